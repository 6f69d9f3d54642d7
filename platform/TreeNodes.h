#pragma once

#include <QString>

namespace platform {

// What a chosen node tells about itself.
struct NodeInfo {
    QString key;
    QString tag;
    QString text;
    QString fullPath; // texts from the top level down, joined by "\"
    int children = 0;
};

// Building a tree of keyed nodes.
class TreeNodes {
  public:
    virtual ~TreeNodes() = default;
    // Adds a node at the end of the top level (relative empty) or as the last
    // child of the node keyed relative. Images count from 1. Throws on a
    // duplicate key or a relative that names no node.
    virtual void Add(const QString& relative, const QString& key, const QString& text, int image,
                     int selectedImage) = 0;
    virtual void SetTag(const QString& key, const QString& tag) = 0;
};

} // namespace platform
