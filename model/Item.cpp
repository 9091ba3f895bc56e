#include "model/Item.h"

Item::Item() : m_Children(this) {}

Item::Item(const Item& other) : m_Children(this)
{
    copyTexts(other);
    m_Children.copyFrom(other.m_Children);
}

Item::Item(Item&& other) noexcept : m_Children(this)
{
    copyTexts(other);
    m_Children.moveFrom(other.m_Children);
}

Item& Item::operator=(const Item& other)
{
    if (this == &other)
        return *this;
    // Copy the subtree first: other may be one of this item's own entries.
    Item copy(other);
    return *this = std::move(copy);
}

Item& Item::operator=(Item&& other) noexcept
{
    if (this == &other)
        return *this;
    const QString oldPath = m_Path;
    copyTexts(other);
    m_Children.moveFrom(other.m_Children);
    if (m_Parent && oldPath != m_Path)
        m_Parent->m_Children.pathChanged(this, oldPath);
    return *this;
}

Item::~Item() = default;

void Item::copyTexts(const Item& other)
{
    m_Path = other.m_Path;
    m_SrcPath = other.m_SrcPath;
    m_IsDir = other.m_IsDir;
    m_Size = other.m_Size;
    m_Time = other.m_Time;
    m_Unhandled = other.m_Unhandled;
}

bool Item::IsPlainName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") && !name.contains('/')
        && !name.contains(QChar(0));
}

// The root (the item without a parent) stands for the tree itself.
bool Item::CanBeHandled() const
{
    for (const Item* item = this; item && item->m_Parent; item = item->m_Parent) {
        if (item->m_Unhandled || !IsPlainName(item->GetName()))
            return false;
    }
    return true;
}

QString Item::GetName() const
{
    const int slash = m_Path.lastIndexOf('/');
    return slash < 0 ? m_Path : m_Path.mid(slash + 1);
}

QString Item::GetRelPath() const
{
    const int nameLength = GetName().length();
    if (nameLength < m_Path.length())
        return m_Path.left(m_Path.length() - nameLength - 1);
    return QString();
}

void Item::Rename(QString newName)
{
    const QString oldPath = m_Path;
    m_Path = m_Path.left(m_Path.length() - GetName().length()) + newName;
    if (m_Parent && oldPath != m_Path)
        m_Parent->m_Children.pathChanged(this, oldPath);
}

int Item::MetaTypeId()
{
    static const int id = [] {
        const int declared = qRegisterMetaType<Item*>();
        qRegisterMetaType<Item*>("Item *");
        return declared;
    }();
    return id;
}

QVariant Item::ToVariant(Item* item)
{
    MetaTypeId();
    return QVariant::fromValue(item);
}

Item* Item::FromVariant(const QVariant& value)
{
    if (value.userType() != MetaTypeId())
        return nullptr;
    return value.value<Item*>();
}
