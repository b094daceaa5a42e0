#pragma once

#include <QString>

#include <optional>

namespace edytor {

/**
 * Everything the editor asks or tells the user goes through this port: the file dialog and
 * modal message boxes. The window supplies Qt dialogs; tests supply a scripted fake.
 */
class Dialogi {
public:
    enum class Przyciski { Ok, OkAnuluj, TakNie };
    enum class Ikona { Informacja, Ostrzezenie, Blad };
    enum class Odpowiedz { Ok, Anuluj, Tak, Nie };

    /** The file dialog. The filter is a list of description and pattern pairs joined by '|'. */
    struct PytanieOPlik {
        bool zapis = false;     // save mode, otherwise open mode
        QString folder;         // initial folder
        QString filtr;
        QString proponowanaNazwa;
    };

    virtual ~Dialogi() = default;

    /** The chosen full path, or nothing when the user cancelled. */
    virtual std::optional<QString> wybierzPlik(const PytanieOPlik &pytanie) = 0;

    /** A modal message box; returns the button pressed. */
    virtual Odpowiedz komunikat(const QString &tekst, const QString &tytul, Przyciski przyciski,
                                Ikona ikona) = 0;
};

} // namespace edytor
