#pragma once

#include "find/Search.h"
#include "store/ContentStore.h"

#include <QString>

#include <memory>

// The search over the shipped content, built once for every test of the
// binary that asks for it.
namespace shipped {

inline store::ContentStore& content() {
    static store::ContentStore store(QStringLiteral(QUILLORA_TEST_DIC));
    return store;
}

inline const find::Finder& finder() {
    static const std::unique_ptr<find::Finder> engine = find::buildFinder(content());
    return *engine;
}

inline find::Results search(const QString& query, int limit = 100) {
    return finder().find(query, limit);
}

} // namespace shipped
