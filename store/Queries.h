#pragma once

#include <QString>

// Every query and lookup text the reader runs against the content database.
// Values are pasted between apostrophes with each apostrophe doubled, so a
// value can neither break a query nor change what it asks.
namespace store::queries {

QString quoted(const QString& value);

QString authors();                                             // all ZuoZhe rows
QString category(const QString& table);                        // all rows of a verse table
QString authorsOf(const QString& table);                       // one row per author
QString titlesOf(const QString& table, const QString& author); // an author's pieces
QString initials();                                            // the idioms' letters
QString idiomsUnder(const QString& letter);                    // a letter's idioms
QString dynasties();
QString subDynasties();
QString reigns();
QString idioms();
QString dynastyDescription(const QString& table, const QString& name); // 说明 of a dynasty row
QString eraRows(const QString& name);                                  // a dynasty's era table
QString allEraRows(); // every era row, in stored order

QString byAuthorName(const QString& name); // criteria on the author recordset
QString byID(const QString& number);       // criteria on a recordset with ID
QString byIdiomId(const QString& number);  // criteria on the idiom recordset

} // namespace store::queries
