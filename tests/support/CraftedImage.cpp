#include "CraftedImage.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <vector>

struct CraftedImage::Node {
    QByteArray name;
    QByteArray placeholder;
    bool folder = true;
    QByteArray content;
    std::vector<std::unique_ptr<Node>> children;
};

namespace {

const int kLongestName = 250; // the NM entry's length byte holds 5 + name

// The Rock Ridge alternate name entry: "NM", length, version 1, flags 0.
QByteArray nmEntry(const QByteArray& name)
{
    QByteArray entry("NM");
    entry.append(char(5 + name.size())).append(char(1)).append(char(0));
    return entry + name;
}

int occurrences(const QByteArray& image, const QByteArray& what, int* first)
{
    int count = 0;
    *first = image.indexOf(what);
    for (int at = *first; at >= 0; at = image.indexOf(what, at + 1))
        ++count;
    return count;
}

} // namespace

CraftedImage::CraftedImage() : m_Root(new Node) {}

CraftedImage::~CraftedImage() = default;

QList<QByteArray> CraftedImage::path(const QByteArray& slashSeparated)
{
    return slashSeparated.split('/');
}

void CraftedImage::addFile(const QList<QByteArray>& path, const QByteArray& content)
{
    nodeAt(path, false)->content = content;
}

void CraftedImage::addFolder(const QList<QByteArray>& path)
{
    nodeAt(path, true);
}

CraftedImage::Node* CraftedImage::nodeAt(const QList<QByteArray>& path, bool folder)
{
    Node* node = m_Root.get();
    for (int i = 0; i < path.size(); ++i) {
        Node* next = nullptr;
        for (const auto& child : node->children) {
            if (child->name == path[i])
                next = child.get();
        }
        if (!next) {
            node->children.push_back(std::make_unique<Node>());
            next = node->children.back().get();
            next->name = path[i];
            next->placeholder = placeholder(path[i].size());
        }
        next->folder = i + 1 < path.size() || folder;
        node = next;
    }
    return node;
}

// Unique in the whole image, so that each NM entry is found once: the
// counter in base 62, padded with "q" to the length.
QByteArray CraftedImage::placeholder(int length)
{
    static const QByteArray digits = "abcdefghijklmnoprstuvwxyzABCDEFGHIJKLMNOPRSTUVWXYZ0123456789_";
    QByteArray text;
    for (int n = m_Placeholders++; text.isEmpty() || n > 0; n /= digits.size())
        text.prepend(digits.at(n % digits.size()));
    if (text.size() > length)
        return QByteArray(); // reported by write()
    return text.leftJustified(length, 'q');
}

bool CraftedImage::makeTree(const Node& folder, const QString& onDisk, QString* error)
{
    for (const auto& child : folder.children) {
        if (child->placeholder.isEmpty() || child->name.size() > kLongestName || child->name.contains('\0')) {
            *error = "no placeholder for the name " + QString::fromLatin1(child->name.toPercentEncoding());
            return false;
        }
        const QString path = onDisk + "/" + QString::fromLatin1(child->placeholder);
        if (child->folder) {
            if (!QDir().mkpath(path) || !makeTree(*child, path, error))
                return false;
            continue;
        }
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(child->content) != child->content.size()) {
            *error = "cannot write " + path;
            return false;
        }
    }
    return true;
}

bool CraftedImage::patchNames(QByteArray& image, const Node& folder, QString* error) const
{
    for (const auto& child : folder.children) {
        int at = -1;
        const QByteArray entry = nmEntry(child->placeholder);
        if (occurrences(image, entry, &at) != 1) {
            *error = "the NM entry of " + QString::fromLatin1(child->placeholder) + " is not there once";
            return false;
        }
        image.replace(at + 5, child->name.size(), child->name);
        if (!patchNames(image, *child, error))
            return false;
    }
    return true;
}

bool CraftedImage::write(const QString& isoPath, QString* error)
{
    QString reason;
    if (!error)
        error = &reason;
    QTemporaryDir source;
    if (!source.isValid() || !makeTree(*m_Root, source.path(), error))
        return false;
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start("genisoimage", {"-quiet", "-R", "-o", isoPath, source.path()});
    if (!tool.waitForFinished(120000) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        *error = "genisoimage: " + QString::fromLocal8Bit(tool.readAll()) + tool.errorString();
        return false;
    }
    QFile file(isoPath);
    if (!file.open(QIODevice::ReadWrite)) {
        *error = "cannot open " + isoPath;
        return false;
    }
    QByteArray image = file.readAll();
    if (!patchNames(image, *m_Root, error))
        return false;
    file.seek(0);
    return file.write(image) == image.size();
}
