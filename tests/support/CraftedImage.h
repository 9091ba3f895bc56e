#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <map>
#include <memory>

// An ISO image with Rock Ridge names that no file system would hold
// ("../x", "a/b", "..", names with a line feed or bytes that are no
// UTF-8), made without a binary fixture: genisoimage -R writes the image
// from a folder of placeholder names of the same byte lengths, and the
// name bytes of each placeholder's NM entry are then replaced by the name
// asked for. Paths are lists of raw name components, so a component may
// itself hold "/".
class CraftedImage
{
public:
    CraftedImage();
    ~CraftedImage();
    CraftedImage(const CraftedImage&) = delete;
    CraftedImage& operator=(const CraftedImage&) = delete;

    // A file at the path (its folders are made as needed). A component is
    // 1 to 250 bytes, none of them NUL.
    void addFile(const QList<QByteArray>& path, const QByteArray& content = "crafted\n");
    void addFolder(const QList<QByteArray>& path);

    // Writes the image; false with the reason in *error when genisoimage
    // failed or a name could not be placed.
    bool write(const QString& isoPath, QString* error = nullptr);

    // "a/b/c" as components, for names without "/".
    static QList<QByteArray> path(const QByteArray& slashSeparated);

private:
    struct Node;
    Node* nodeAt(const QList<QByteArray>& path, bool folder);
    bool makeTree(const Node& folder, const QString& onDisk, QString* error);
    bool patchNames(QByteArray& image, const Node& folder, QString* error) const;
    QByteArray placeholder(int length);

    std::unique_ptr<Node> m_Root;
    int m_Placeholders = 0;
};
