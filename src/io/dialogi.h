#pragma once

#include <QString>

#include <optional>
#include <utility>

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

/**
 * A port whose file dialog returns, once, a path known beforehand: a file named on the command
 * line or dropped on the window goes through the same flow as one chosen in the dialog. The
 * messages go on to another port.
 */
class DialogiZPlikiem : public Dialogi {
public:
    DialogiZPlikiem(Dialogi &dalej, const QString &sciezka) : m_dalej(dalej), m_sciezka(sciezka) {}

    std::optional<QString> wybierzPlik(const PytanieOPlik &) override { return std::exchange(m_sciezka, std::nullopt); }
    Odpowiedz komunikat(const QString &tekst, const QString &tytul, Przyciski przyciski, Ikona ikona) override
    {
        return m_dalej.komunikat(tekst, tytul, przyciski, ikona);
    }

private:
    Dialogi &m_dalej;
    std::optional<QString> m_sciezka;
};

} // namespace edytor
