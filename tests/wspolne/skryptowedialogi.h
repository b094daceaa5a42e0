#pragma once

#include "io/dialogi.h"

#include <QList>
#include <QStringList>

#include <functional>

namespace edytor {

/** The dialogs port played from a script: answers given in advance, every question recorded. */
class SkryptoweDialogi : public Dialogi {
public:
    struct Komunikat {
        QString tekst;
        QString tytul;
        Przyciski przyciski;
        Ikona ikona;
    };

    QList<std::optional<QString>> pliki;  // the paths the file dialog returns, in order; nullopt cancels
    QList<Odpowiedz> odpowiedzi;          // answers to questions (OK-only boxes need none)
    QList<PytanieOPlik> pytania;
    QList<Komunikat> komunikaty;
    QStringList bledy;                    // what the script did not foresee
    /** Runs when a question (a box with more than an OK button) is shown, before it is answered. */
    std::function<void(const Komunikat &)> przyPytaniu;

    std::optional<QString> wybierzPlik(const PytanieOPlik &pytanie) override
    {
        pytania << pytanie;
        if (pliki.isEmpty()) {
            bledy << QStringLiteral("unexpected file dialog");
            return std::nullopt;
        }
        return pliki.takeFirst();
    }

    Odpowiedz komunikat(const QString &tekst, const QString &tytul, Przyciski przyciski, Ikona ikona) override
    {
        komunikaty << Komunikat{tekst, tytul, przyciski, ikona};
        if (przyciski == Przyciski::Ok)
            return Odpowiedz::Ok;
        if (przyPytaniu)
            przyPytaniu(komunikaty.last());
        if (odpowiedzi.isEmpty()) {
            bledy << QStringLiteral("unexpected question: ") + tekst;
            return przyciski == Przyciski::TakNie ? Odpowiedz::Nie : Odpowiedz::Anuluj;
        }
        return odpowiedzi.takeFirst();
    }
};

} // namespace edytor
