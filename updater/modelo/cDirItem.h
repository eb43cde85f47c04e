#pragma once
#include <QDateTime>
#include <QString>

// One entry of a remote folder listing; set once by cDirList::Add.
struct cDirItem {
    // File-attribute bits as the listing reports them; other bits are not kept.
    enum Atributo : qint32 {
        AtrReadOnly = 0x1,
        AtrHidden = 0x2,
        AtrSystem = 0x4,
        AtrDirectory = 0x10,
        AtrArchive = 0x20,
        AtrNormal = 0x80,
        AtrTemporary = 0x100,
        AtrCompressed = 0x800,
        AtrOffline = 0x1000,
    };

    bool ReadOnly = false;
    bool Hidden = false;
    bool System = false;
    bool Directory = false;
    bool Archive = false;
    bool Normal = false;
    bool Temporary = false;
    bool Compressed = false;
    bool Offline = false;
    QDateTime CreationTime; // local time; invalid when the server does not report it
    QDateTime LastAccessTime;
    QDateTime LastWriteTime;
    qint32 FileSize = 0; // low 32 bits of the size in bytes
    QString Filename;
};
