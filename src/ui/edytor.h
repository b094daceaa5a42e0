#pragma once

#include "model/stan.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

namespace edytor {

class Dialogi;
class Obrazek;
class PoleKoloru;
class SiatkaKomorek;

/**
 * The editor's one window. It owns the widgets, hands each user event to one operation of the
 * core and afterwards brings every widget in line with the editor state.
 */
class Edytor : public QWidget {
    Q_OBJECT
public:
    explicit Edytor(QWidget *rodzic = nullptr);

    StanEdytora &stan() { return m_stan; }

    /** Replaces the window's own dialogs (not owned), for driving the editor without a user. */
    void ustawDialogi(Dialogi *dialogi) { m_dialogi = dialogi; }

    /** Brings every widget in line with the state, touching only what differs. */
    void synchronizuj();

    /** Loads a file as "Wczytaj" does once its dialog has returned that path (the command line, a drop). */
    void wczytajPlik(const QString &sciezka);

    /** The widget of cell n of the editing grid and the cell's place in it. */
    SiatkaKomorek *znakKomorki(int n) const { return m_Znak[n / kKomorekZnaku]; }

protected:
    /** One local file dropped on the window loads; anything else is refused. */
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dropEvent(QDropEvent *e) override;

private:
    /**
     * Connects a widget's signal to an operation on the state, followed by the sync. The operation
     * takes the state and as many of the signal's arguments as it needs.
     */
    template <class Nadawca, class Sygnal, class Operacja>
    void wykonuj(Nadawca *nadawca, Sygnal sygnal, Operacja operacja);

    void zbudujWlasciwosci();
    void zbudujBufor();
    void zbudujZestaw();
    void zbudujSiatke();
    void zbudujKolory();
    void zbudujOpcje();

    StanEdytora m_stan;
    Dialogi *m_dialogi = nullptr;  // owned by the window as its child cdIO
    QImage m_paleta;

    std::array<QLabel *, kPozycji> m_lblZnak{};
    std::array<QRadioButton *, 2> m_optTryb{};
    std::array<Obrazek *, 9> m_Wyglad{};
    std::array<SiatkaKomorek *, kPozycji> m_Bufor{};
    std::array<SiatkaKomorek *, kPozycji> m_Znak{};
    std::array<QLabel *, 2> m_lblKODwart{};
    QLabel *m_lblNazwa = nullptr;
    std::array<PoleKoloru *, kObiektow> m_ZZR{};
    std::array<Obrazek *, kObiektow> m_ZZ{};
    std::array<QRadioButton *, kRejestrow> m_Kolor{};
    std::array<QLabel *, kRejestrow> m_Color{};
    std::array<QLabel *, kRejestrow> m_Akolor{};
    QComboBox *m_cmbZamiana = nullptr;
    QCheckBox *m_chkWybrany = nullptr;
    Obrazek *m_PaletaAtari = nullptr;
    Obrazek *m_picZestaw = nullptr;
};

} // namespace edytor
