#pragma once
#include "cDirItem.h"

#include <QHash>
#include <stdexcept>
#include <vector>

// A listing holding one name twice; raised by cDirList::Add.
class ErrorNombreDuplicado : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The entries of a remote folder in the server's order, keyed by their exact file name
// (case matters: a Unix server may hold "A.txt" and "a.txt" side by side).
class cDirList {
public:
    // Appends an entry; throws ErrorNombreDuplicado, leaving the list as it was, if the name is
    // already there.
    void Add(qint32 lAttrib, const QDateTime& dtCreationTime, const QDateTime& dtLastAccessTime,
             const QDateTime& dtLastWriteTime, qint32 lFileSize, const QString& sFilename);

    qint32 Count() const { return static_cast<qint32>(items_.size()); }
    // By position from 1 to Count; nullptr outside that range.
    const cDirItem* Item(qint32 Index) const;
    // By exact name; nullptr when absent.
    const cDirItem* Item(const QString& Key) const;
    // Empties the list, names included.
    void Clear();

    // Walks the entries in order: for (const cDirItem& e : lista).
    std::vector<cDirItem>::const_iterator begin() const { return items_.begin(); }
    std::vector<cDirItem>::const_iterator end() const { return items_.end(); }

private:
    std::vector<cDirItem> items_;
    QHash<QString, qsizetype> posiciones_;
};
