#pragma once

#include "io/dialogi.h"

#include <QObject>

class QWidget;

namespace edytor {

/** The dialogs port on Qt's own file dialog and message boxes, modal to the editor's window. */
class DialogiQt : public QObject, public Dialogi {
    Q_OBJECT
public:
    explicit DialogiQt(QWidget *okno);

    std::optional<QString> wybierzPlik(const PytanieOPlik &pytanie) override;
    Odpowiedz komunikat(const QString &tekst, const QString &tytul, Przyciski przyciski,
                        Ikona ikona) override;

    /** A size in the file list: "1 bajt", "2 bajty", "5 bajtów", then "2,5 kB" and so on. */
    static QString rozmiarPliku(qint64 bajty);

private:
    QWidget *m_okno;
};

} // namespace edytor
