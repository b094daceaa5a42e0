#pragma once

// What the test programs share: the dialogs port answered from a script, whole-file reads, and
// the comparison with expected files kept in tests/dane (EDYTOR_NOWE_WZORCE=1 writes them anew
// after a deliberate change; review the difference before committing it).

#include "io/dialogi.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTest>

#include <deque>

namespace edytor::testy {

/** Answers given in advance; every file question and message recorded. */
struct SkryptoweDialogi : Dialogi {
    // Queues that the tests refill with a braced list after they have been partly used: a
    // std::deque takes that on every Qt version (Qt 6.8's QList asserts on it).
    std::deque<std::optional<QString>> pliki;  // what the file dialog returns, in order; nullopt cancels
    std::deque<Odpowiedz> odpowiedzi;          // answers to the questions (boxes with two buttons)
    QList<PytanieOPlik> pytania;
    QStringList komunikaty;               // "title: text" of every message box

    std::optional<QString> wybierzPlik(const PytanieOPlik &pytanie) override
    {
        pytania << pytanie;
        return wez(pliki, std::optional<QString>());
    }
    Odpowiedz komunikat(const QString &tekst, const QString &tytul, Przyciski przyciski, Ikona) override
    {
        komunikaty << tytul + QStringLiteral(": ") + tekst;
        if (przyciski == Przyciski::Ok)
            return Odpowiedz::Ok;
        return wez(odpowiedzi, Odpowiedz::Anuluj);
    }

  private:
    template <typename T> static T wez(std::deque<T> &kolejka, T gdyPusta)
    {
        T pierwszy = gdyPusta;
        if (!kolejka.empty()) {
            std::swap(pierwszy, kolejka.front());
            kolejka.pop_front();
        }
        return pierwszy;
    }
};

inline QByteArray czytaj(const QString &sciezka)
{
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(brak pliku)");
}

inline bool zapisz(const QString &sciezka, const QByteArray &bajty)
{
    QFile f(sciezka);
    return f.open(QIODevice::WriteOnly) && f.write(bajty) == bajty.size();
}

inline QByteArray png(const QImage &obraz)
{
    QByteArray bajty;
    QBuffer bufor(&bajty);
    bufor.open(QIODevice::WriteOnly);
    obraz.save(&bufor, "PNG");
    return bajty;
}

/** Whether the bytes equal the expected file tests/dane/<nazwa>. */
inline bool jakWzorzec(const QByteArray &bajty, const QString &nazwa)
{
    const QString sciezka = QStringLiteral(EDYTOR_DANE "/") + nazwa;
    if (qEnvironmentVariableIsSet("EDYTOR_NOWE_WZORCE"))
        zapisz(sciezka, bajty);
    return bajty == czytaj(sciezka);
}

} // namespace edytor::testy
