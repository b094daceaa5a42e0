#include "ui/edytor.h"

#include "informacje.h"
#include "ui/dialogiqt.h"
#include "ui/geometria.h"
#include "ui/widzety.h"
#include "edit/bufor.h"
#include "edit/kolory.h"
#include "edit/malowanie.h"
#include "edit/otwieranie.h"
#include "edit/tryby.h"
#include "edit/zamiana.h"
#include "edit/zapamietanie.h"
#include "io/pliki.h"
#include "view/paleta.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <concepts>

namespace edytor {

namespace {

QString nazwaElementu(const char16_t *nazwa, int i)
{
    return QString::fromUtf16(nazwa) + u'(' + QString::number(i) + u')';
}

/** A named widget with a caption at its place: frames, labels and buttons alike. */
template <class Widzet>
Widzet *element(QWidget *rodzic, const QString &nazwa, const QRect &miejsce, const QString &tekst)
{
    auto *w = new Widzet(tekst, rodzic);
    w->setObjectName(nazwa);
    w->setGeometry(miejsce);
    return w;
}

QLabel *etykieta(QWidget *rodzic, const QString &nazwa, const QRect &miejsce, const QString &tekst)
{
    auto *l = element<QLabel>(rodzic, nazwa, miejsce, tekst);
    l->setTextFormat(Qt::PlainText);  // a file name such as "<b>A</b>.ORB" shows as it is
    return l;
}

void ustawTlo(QWidget *w, QRgb kolor)
{
    QPalette paleta = w->palette();
    if (w->autoFillBackground() && paleta.color(w->backgroundRole()).rgb() == kolor)
        return;
    // The text keeps to black on a fixed background, whatever colours the desktop's theme gives.
    paleta.setColor(w->backgroundRole(), QColor(kolor));
    paleta.setColor(w->foregroundRole(), QColor(kCzarny));
    w->setPalette(paleta);
    w->setAutoFillBackground(true);
}

/** A caption one pixel smaller than the window's, where the given width is tight. */
void pomniejsz(QWidget *w)
{
    QFont czcionka = w->font();
    czcionka.setPixelSize(10);
    w->setFont(czcionka);
}

} // namespace

Edytor::Edytor(QWidget *rodzic) : QWidget(rodzic), m_stan(StanPoczatkowy()), m_paleta(ObrazPalety())
{
    setObjectName(QStringLiteral("Edytor"));
    setWindowTitle(informacje::tytulOkna());
    setFixedSize(piks(12495), piks(8760));
    setAcceptDrops(true);
    // A narrow face keeps the captions inside the window's small, fixed widgets.
    QFont czcionka(QStringLiteral("DejaVu Sans Condensed"));
    czcionka.setPixelSize(11);
    setFont(czcionka);

    m_dialogi = new DialogiQt(this);

    zbudujWlasciwosci();
    zbudujBufor();
    zbudujZestaw();
    zbudujSiatke();
    zbudujKolory();
    zbudujOpcje();

    synchronizuj();
}

void Edytor::zbudujWlasciwosci()
{
    auto *Dane = element<Ramka>(this, QStringLiteral("Dane"), twipy(120, 120, 3735, 2175), QStringLiteral("Właściwości"));
    auto *frmSklad = element<Ramka>(Dane, QStringLiteral("frmSklad"), twipy(120, 240, 1575, 1815), QStringLiteral("Zawartość"));
    const std::array<QPoint, kPozycji> miejscaZnakow{{{240, 360}, {240, 600}, {720, 360}, {720, 600}}};
    for (int k = 0; k < kPozycji; ++k) {
        m_lblZnak[k] = etykieta(frmSklad, nazwaElementu(u"lblZnak", k),
                                twipy(miejscaZnakow[k].x(), miejscaZnakow[k].y(), 495, 255), QString());
        m_lblZnak[k]->setAlignment(Qt::AlignCenter);
    }
    m_optTryb[0] = element<Opcja>(frmSklad, nazwaElementu(u"optTryb", 0), twipy(360, 960, 735, 255), QStringLiteral("Vendra"));
    m_optTryb[1] = element<Opcja>(frmSklad, nazwaElementu(u"optTryb", 1), twipy(360, 1320, 735, 255), QStringLiteral("JGP"));
    for (int m = 0; m < 2; ++m) {
        pomniejsz(m_optTryb[m]);  // "Vendra" has to fit its narrow button
        wykonuj(m_optTryb[m], &Opcja::clicked, [m](StanEdytora &s) { WybierzTryb(s, static_cast<Tryb>(m)); });
    }

    auto *frmWyglad = element<Ramka>(Dane, QStringLiteral("frmWyglad"), twipy(1920, 240, 1695, 1815), QStringLiteral("Podgląd"));
    for (int i = 0; i < 9; ++i) {
        m_Wyglad[i] = new Obrazek(frmWyglad, nazwaElementu(u"Wyglad", i),
                                  twipy(120 + 480 * (i % 3), 240 + 480 * (i / 3), 510, 510),
                                  PoleKoloru::Brzeg::Plaski, &m_stan.podglad,
                                  QRect(0, 0, kBokObrazka, kBokObrazka));
    }
}

void Edytor::zbudujBufor()
{
    auto *frmBufor = element<Ramka>(this, QStringLiteral("frmBufor"), twipy(120, 2280, 3735, 1935), QStringLiteral("Bufor"));
    auto *Picture1 = new PoleKoloru(frmBufor, QStringLiteral("Picture1"), twipy(720, 240, 1560, 1500),
                                    kSzary, PoleKoloru::Brzeg::Wklesly);
    const std::array<QPoint, kPozycji> miejsca{{{120, 120}, {120, 720}, {772, 120}, {772, 720}}};
    // Buffer cells are 160 x 80 twips, laid 150 x 75 apart so that eight rows fit the box.
    const SiatkaKomorek::Uklad uklad{QPoint(4, 0), QSize(piks(150), piks(75)), QSize(piks(160), piks(80)), false};
    for (int k = 0; k < kPozycji; ++k)
        m_Bufor[k] = new SiatkaKomorek(Picture1, nazwaElementu(u"Bufor", k),
                                       twipy(miejsca[k].x(), miejsca[k].y(), 735, 615), uklad);
    wykonuj(element<QPushButton>(frmBufor, QStringLiteral("cmdDoBuf"), twipy(2520, 360, 855, 375), QStringLiteral("<====")),
            &QPushButton::clicked, DoBufora);
    wykonuj(element<QPushButton>(frmBufor, QStringLiteral("cmdZBuf"), twipy(2520, 1200, 855, 375), QStringLiteral("====>")),
            &QPushButton::clicked, ZBufora);

    auto *ramkaKod = element<Ramka>(this, QStringLiteral("ramkaKodWZestawie"), twipy(120, 4200, 3735, 855),
                           QStringLiteral("Kod obiektu w zestawie"));
    etykieta(ramkaKod, nazwaElementu(u"lblKod", 2), twipy(0, 360, 495, 255), QStringLiteral("DEC:"))
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lblKODwart[0] = etykieta(ramkaKod, nazwaElementu(u"lblKODwart", 0), twipy(600, 360, 1215, 255), QString());
    etykieta(ramkaKod, nazwaElementu(u"lblKod", 3), twipy(1920, 360, 495, 255), QStringLiteral("HEX:"))
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lblKODwart[1] = etykieta(ramkaKod, nazwaElementu(u"lblKODwart", 1), twipy(2400, 360, 1215, 255), QString());
}

void Edytor::zbudujZestaw()
{
    auto *ramZestaw = element<Ramka>(this, QStringLiteral("ramZestaw"), twipy(120, 5040, 12255, 3615), QStringLiteral("Zestaw obiektów"));
    m_lblNazwa = etykieta(ramZestaw, QStringLiteral("lblNazwa"), twipy(2400, 120, 7095, 255), QString());
    m_lblNazwa->setAlignment(Qt::AlignCenter);
    ustawTlo(m_lblNazwa, kJasnySzary);
    auto *ZZnakow = new PoleKoloru(ramZestaw, QStringLiteral("ZZnakow"), twipy(240, 360, 11655, 3135),
                                   kSzary, PoleKoloru::Brzeg::Wklesly);
    for (int i = 0; i < kObiektow; ++i) {
        const int kolumna = i % 16;
        const int wiersz = i / 16;
        m_ZZR[i] = new PoleKoloru(ZZnakow, nazwaElementu(u"ZZR", i),
                                  twipy(120 + 720 * kolumna, 120 + 720 * wiersz, 630, 630), kSzary);
        m_ZZ[i] = new Obrazek(m_ZZR[i], nazwaElementu(u"ZZ", i), twipy(40, 40, 510, 510),
                              PoleKoloru::Brzeg::Plaski, &m_stan.miniatury,
                              QRect(kBokObrazka * i, 0, kBokObrazka, kBokObrazka));
        wykonuj(m_ZZ[i], &Obrazek::klik, [i](StanEdytora &s) { WybierzObiekt(s, i); });
        wykonuj(m_ZZ[i], &Obrazek::dwuklik, [i](StanEdytora &s) { ZZ_DblClick(s, i); });
    }
    m_picZestaw = new Obrazek(this, QStringLiteral("picZestaw"), twipy(-24720, 8640, 61477, 510),
                              PoleKoloru::Brzeg::Plaski, &m_stan.obrazEksportu,
                              m_stan.obrazEksportu.rect());
}

void Edytor::zbudujSiatke()
{
    auto *Panel = new PoleKoloru(this, QStringLiteral("Panel"), twipy(3960, 240, 4095, 4095), kSzary,
                                 PoleKoloru::Brzeg::Wklesly);
    const std::array<QPoint, kPozycji> miejsca{{{120, 120}, {120, 2040}, {2040, 120}, {2040, 2040}}};
    // Cells are 500 x 250 twips, 480 x 240 apart: neighbours share their border line.
    const SiatkaKomorek::Uklad uklad{QPoint(0, 0), QSize(piks(480), piks(240)), QSize(piks(500), piks(250)), true};
    for (int k = 0; k < kPozycji; ++k) {
        m_Znak[k] = new SiatkaKomorek(Panel, nazwaElementu(u"Znak", k),
                                      twipy(miejsca[k].x(), miejsca[k].y(), 1935, 1935), uklad);
        wykonuj(m_Znak[k], &SiatkaKomorek::nacisnieta, [k](StanEdytora &s, int j, Qt::MouseButton przycisk) {
            MalujKomorke(s, kKomorekZnaku * k + j, przycisk);
        });
    }
    wykonuj(element<QPushButton>(this, QStringLiteral("DoZapisania"), twipy(3960, 4440, 4095, 495),
                                  QStringLiteral("Zapamiętaj edytowany obiekt")),
            &QPushButton::clicked, ZapamietajObiekt);
}

void Edytor::zbudujKolory()
{
    auto *ramkaKolory = element<Ramka>(this, QStringLiteral("ramkaKolory"), twipy(8160, 120, 1935, 2655), QStringLiteral("Kolory"));
    struct Wiersz {
        int gora;
        const char16_t *podpis;
    };
    const std::array<Wiersz, kRejestrow> wiersze{{{240, u"PF0 [01]="},
                                                  {720, u"PF1 [10]="},
                                                  {1200, u"PF2 [11]="},
                                                  {2160, u"BAK [00]="},
                                                  {1680, u"PF3 [11]= (negatyw)"}}};
    for (int i = 0; i < kRejestrow; ++i) {
        const int gora = wiersze[i].gora;
        m_Kolor[i] = element<Opcja>(ramkaKolory, nazwaElementu(u"Kolor", i), twipy(120, gora, 495, 375), QString());
        wykonuj(m_Kolor[i], &Opcja::clicked, [i](StanEdytora &s) { WybierzKolor(s, i); });
        m_Color[i] = etykieta(ramkaKolory, nazwaElementu(u"Color", i), twipy(720, gora, 720, 450),
                              QString::fromUtf16(wiersze[i].podpis));
        m_Color[i]->setWordWrap(true);
        pomniejsz(m_Color[i]);
        m_Akolor[i] = etykieta(ramkaKolory, nazwaElementu(u"Akolor", i), twipy(1440, gora, 435, 375), QString());
    }
}

void Edytor::zbudujOpcje()
{
    auto *ramkaCzysc = element<Ramka>(this, QStringLiteral("ramkaCzysc"), twipy(8160, 2760, 1935, 1335), QStringLiteral("Opcje"));
    wykonuj(element<QPushButton>(ramkaCzysc, QStringLiteral("Czysc"), twipy(120, 240, 1695, 255), QStringLiteral("Wypełnij")),
            &QPushButton::clicked, Wypelnij);
    m_cmbZamiana = new ListaWyboru(ramkaCzysc);
    m_cmbZamiana->setObjectName(QStringLiteral("cmbZamiana"));
    m_cmbZamiana->setGeometry(twipy(120, 600, 1695, 315));
    m_cmbZamiana->addItems({QStringLiteral("Kolor<>PF0"), QStringLiteral("Kolor<>PF1"), QStringLiteral("Kolor<>PF2"),
                            QStringLiteral("Kolor<>BAK"), QStringLiteral("Kolor<>INV")});
    m_cmbZamiana->setPlaceholderText(QStringLiteral("Zamiana"));
    m_cmbZamiana->setCurrentIndex(-1);
    // activated comes with every choice, also of the item already shown: each one swaps.
    wykonuj(m_cmbZamiana, &QComboBox::activated, ZamienKolory);
    m_chkWybrany = element<QCheckBox>(ramkaCzysc, QStringLiteral("chkWybrany"), twipy(240, 960, 1455, 255),
                                       QStringLiteral("Tylko wybrany"));
    // toggled, not clicked: the toggle of assistive tools comes without a click.
    wykonuj(m_chkWybrany, &QCheckBox::toggled, [](StanEdytora &s, bool zaznaczony) { s.TylkoWybrany = zaznaczony; });

    auto *ramIO = element<Ramka>(this, QStringLiteral("ramIO"), twipy(8160, 4200, 4215, 855), QStringLiteral("Odczyt/Zapis"));
    wykonuj(element<QPushButton>(ramIO, QStringLiteral("cmdLoad"), twipy(120, 360, 975, 255), QStringLiteral("Wczytaj")),
            &QPushButton::clicked, [this](StanEdytora &s) { Wczytaj(s, *m_dialogi); });
    wykonuj(element<QPushButton>(ramIO, QStringLiteral("cmdSave"), twipy(1680, 360, 975, 255), QStringLiteral("Zapisz")),
            &QPushButton::clicked, [this](StanEdytora &s) { Zapisz(s, *m_dialogi); });
    wykonuj(element<QPushButton>(ramIO, QStringLiteral("cmdExport"), twipy(3120, 360, 975, 255), QStringLiteral("Eksportuj")),
            &QPushButton::clicked, [this](StanEdytora &s) { Eksportuj(s, *m_dialogi); });

    auto *ramPaleta = element<Ramka>(this, QStringLiteral("ramPaleta"), twipy(10200, 120, 2175, 3975), QStringLiteral("Paleta barw Atari"));
    m_PaletaAtari = new Obrazek(ramPaleta, QStringLiteral("PaletaAtari"), twipy(120, 240, 1935, 3615),
                                PoleKoloru::Brzeg::Wklesly, &m_paleta, m_paleta.rect());
    // Every mouse button picks.
    wykonuj(m_PaletaAtari, &Obrazek::nacisniety,
            [this](StanEdytora &s, QPoint punkt) { WybierzZPalety(s, m_paleta, punkt.x(), punkt.y()); });
}

void Edytor::wczytajPlik(const QString &sciezka)
{
    WczytajPlik(m_stan, *m_dialogi, sciezka);
    synchronizuj();
}

namespace {

/**
 * Accepts a drag that carries exactly one local file, always as a copy (the editor only reads it,
 * whatever the source proposes), and gives its path; anything else is refused.
 */
std::optional<QString> przyjmijPlik(QDropEvent *e)
{
    const QMimeData *dane = e->mimeData();
    if (!dane || dane->urls().size() != 1 || !dane->urls().constFirst().isLocalFile())
        return std::nullopt;
    const QString sciezka = dane->urls().constFirst().toLocalFile();
    if (!QFileInfo(sciezka).isFile())
        return std::nullopt;
    e->setDropAction(Qt::CopyAction);
    e->accept();
    return sciezka;
}

} // namespace

void Edytor::dragEnterEvent(QDragEnterEvent *e)
{
    przyjmijPlik(e);
}

void Edytor::dropEvent(QDropEvent *e)
{
    if (const auto sciezka = przyjmijPlik(e)) {
        // After the drop has ended, so that the source is not kept waiting by a message box.
        QMetaObject::invokeMethod(this, [this, s = *sciezka] { wczytajPlik(s); }, Qt::QueuedConnection);
    }
}

void Edytor::synchronizuj()
{
    StanEdytora &s = m_stan;
    for (int k = 0; k < kPozycji; ++k) {
        m_lblZnak[k]->setText(QString::number(s.KodyEdytowane[k]));
        ustawTlo(m_lblZnak[k], s.znakOdwrocony[k] ? kSzary : kJasnySzary);
    }
    // The option buttons report only clicks, so showing the state here starts no operation.
    for (int m = 0; m < 2; ++m)
        m_optTryb[m]->setChecked(static_cast<int>(s.TrybZawartosci) == m);

    std::array<QRgb, kKomorekZnaku> kolory{};
    for (int k = 0; k < kPozycji; ++k) {
        for (int j = 0; j < kKomorekZnaku; ++j)
            kolory[j] = s.Pixel[kKomorekZnaku * k + j].kolor;
        m_Znak[k]->pokaz(kolory);
        for (int j = 0; j < kKomorekZnaku; ++j)
            kolory[j] = s.bufPixel[kKomorekZnaku * k + j].kolor;
        m_Bufor[k]->pokaz(kolory);
    }

    m_lblKODwart[0]->setText(QString::number(s.WybranyObiekt));
    m_lblKODwart[1]->setText(u'$' + QString::number(s.WybranyObiekt, 16).toUpper());
    m_lblNazwa->setText(s.NazwaZestawu);
    for (int i = 0; i < kObiektow; ++i)
        m_ZZR[i]->ustawKolor(s.ramki[i]);

    for (int i = 0; i < kRejestrow; ++i) {
        ustawTlo(m_Kolor[i], s.zestaw.KolorEkranowy[i]);
        m_Kolor[i]->setChecked(s.kolorRysowania.nr == i);
        m_Akolor[i]->setText(QString::number(s.zestaw.WartoscKoloru[i]));
    }
    m_Kolor[PF3]->setEnabled(s.pf3Dostepny());
    m_Color[PF3]->setEnabled(s.pf3Dostepny());

    m_cmbZamiana->setCurrentIndex(s.wybranaZamiana);
    if (m_chkWybrany->isChecked() != s.TylkoWybrany) {
        const QSignalBlocker blokada(m_chkWybrany);  // showing the state is no toggle of the user's
        m_chkWybrany->setChecked(s.TylkoWybrany);
    }

    if (s.zmiany & ZmianaMiniatur)
        for (auto *zz : m_ZZ)
            zz->update();
    if (s.zmiany & ZmianaPodgladu)
        for (auto *w : m_Wyglad)
            w->update();
    if (s.zmiany & ZmianaObrazuEksportu)
        m_picZestaw->update();
    s.zmiany = 0;
}

template <class Nadawca, class Sygnal, class Operacja>
void Edytor::wykonuj(Nadawca *nadawca, Sygnal sygnal, Operacja operacja)
{
    // Qt hands the lambda the most arguments of the signal that the operation accepts.
    connect(nadawca, sygnal, this,
            [this, operacja](auto... argumenty) requires std::invocable<const Operacja &, StanEdytora &, decltype(argumenty)...> {
                operacja(m_stan, argumenty...);
                synchronizuj();
            });
}

} // namespace edytor
