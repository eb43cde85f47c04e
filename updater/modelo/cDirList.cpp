#include "cDirList.h"

void cDirList::Add(qint32 lAttrib, const QDateTime& dtCreationTime, const QDateTime& dtLastAccessTime,
                   const QDateTime& dtLastWriteTime, qint32 lFileSize, const QString& sFilename) {
    if (posiciones_.contains(sFilename))
        throw ErrorNombreDuplicado("duplicate name in listing: " + sFilename.toStdString());
    cDirItem e;
    e.ReadOnly = lAttrib & cDirItem::AtrReadOnly;
    e.Hidden = lAttrib & cDirItem::AtrHidden;
    e.System = lAttrib & cDirItem::AtrSystem;
    e.Directory = lAttrib & cDirItem::AtrDirectory;
    e.Archive = lAttrib & cDirItem::AtrArchive;
    e.Normal = lAttrib & cDirItem::AtrNormal;
    e.Temporary = lAttrib & cDirItem::AtrTemporary;
    e.Compressed = lAttrib & cDirItem::AtrCompressed;
    e.Offline = lAttrib & cDirItem::AtrOffline;
    e.CreationTime = dtCreationTime;
    e.LastAccessTime = dtLastAccessTime;
    e.LastWriteTime = dtLastWriteTime;
    e.FileSize = lFileSize;
    e.Filename = sFilename;
    posiciones_.insert(sFilename, static_cast<qsizetype>(items_.size()));
    items_.push_back(std::move(e));
}

const cDirItem* cDirList::Item(qint32 Index) const {
    if (Index < 1 || Index > Count()) return nullptr;
    return &items_[static_cast<size_t>(Index - 1)];
}

const cDirItem* cDirList::Item(const QString& Key) const {
    const auto it = posiciones_.constFind(Key);
    return it == posiciones_.constEnd() ? nullptr : &items_[static_cast<size_t>(*it)];
}

void cDirList::Clear() {
    items_.clear();
    posiciones_.clear();
}
