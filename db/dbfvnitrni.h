#pragma once
// Shared by the files of the dBase layer only: the format's constants and raw file access.
#include <QByteArray>
#include <QString>

namespace DbfVnitrni {

inline constexpr char VerzeBezMemo = 0x03;
inline constexpr char VerzeSMemo = static_cast<char>(0x83);
inline constexpr char KonecHlavicky = 0x0D;
inline constexpr char KonecSouboru = 0x1A;
inline constexpr char Smazany = '*';
inline constexpr char Platny = ' ';
inline constexpr unsigned char JazykCp1250 = 0xC8; // language driver "Windows EE" (code page 1250)
inline constexpr int DelkaHlavicky = 32;
inline constexpr int DelkaPopisu = 32;
inline constexpr int DelkaJmena = 10;
inline constexpr qint64 BlokMemo = 512;
// A memo read from a damaged file stops here instead of allocating without limit.
inline constexpr qint64 MaxMemo = 16 * 1024 * 1024;

QByteArray bezKoncovychMezer(QByteArray b);
QString textChyby(int kod);
// Reads or writes exactly this many bytes at this offset (pread/pwrite, EINTR retried).
bool ctiPresne(int fd, qint64 pozice, char* kam, qint64 kolik);
bool zapisPresne(int fd, qint64 pozice, const char* co, qint64 kolik);

} // namespace DbfVnitrni
