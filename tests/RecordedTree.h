#pragma once

// The tree as plain data, so that the build can be checked without a window.
#include "platform/Error.h"
#include "platform/TreeNodes.h"

#include <QHash>
#include <QStringList>

class RecordedTree final : public platform::TreeNodes {
  public:
    struct Node {
        QString parent, text, tag;
        int image = 0, selectedImage = 0;
        QStringList children;
    };

    void Add(const QString& relative, const QString& key, const QString& text, int image,
             int selectedImage) override {
        if (nodes.contains(key) || (!relative.isEmpty() && !nodes.contains(relative)))
            throw platform::Error(platform::ErrorCode::DuplicateKey, {}, key);
        nodes.insert(key, {relative, text, {}, image, selectedImage, {}});
        (relative.isEmpty() ? top : nodes[relative].children) << key;
    }
    void SetTag(const QString& key, const QString& tag) override { nodes[key].tag = tag; }

    QHash<QString, Node> nodes;
    QStringList top;
};
