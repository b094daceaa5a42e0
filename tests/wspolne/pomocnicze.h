#pragma once

// Small things several test programs share: the start-up screen colours written out by hand
// (not taken from the code under test) and whole-file reads and writes.

#include <QByteArray>
#include <QFile>
#include <QRgb>
#include <QString>

namespace edytor::testy {

inline constexpr QRgb kPF0 = qRgb(255, 152, 44);
inline constexpr QRgb kPF1 = qRgb(39, 249, 39);
inline constexpr QRgb kPF2 = qRgb(28, 113, 198);
inline constexpr QRgb kBAK = qRgb(0, 0, 0);
inline constexpr QRgb kPF3 = qRgb(205, 62, 207);
inline constexpr QRgb kKolory[5] = {kPF0, kPF1, kPF2, kBAK, kPF3};  // by register number

inline QByteArray czytaj(const QString &sciezka)
{
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool zapisz(const QString &sciezka, const QByteArray &bajty)
{
    QFile f(sciezka);
    return f.open(QIODevice::WriteOnly) && f.write(bajty) == bajty.size();
}

} // namespace edytor::testy
