#pragma once

#include <QString>

namespace platform {

// Why a file cannot be written whole where it is: the first step of a save
// that the operating system refuses, tried again by hand. Libraries that save
// for us say only that they failed; the user needs the system's reason.
struct SaveFailure {
    QString path;   // the folder or file that was refused
    QString reason; // the operating system's message; empty when every step works
};
SaveFailure whyNotSaved(const QString& file);

} // namespace platform
