#pragma once

#include <QString>

// The maker's data and notices shown on the About page.
namespace pages::about {

extern const QString kCredit; // who made it, then the notice of rights
extern const QString kAddress;
extern const QString kPostcode;
extern const QString kTelephone;
extern const QString kEmail;
extern const QString kRightsSentence;  // who holds the rights
extern const QString kCopyingSentence; // against unauthorised copies

} // namespace pages::about
