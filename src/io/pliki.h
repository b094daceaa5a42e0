#pragma once

#include "io/dialogi.h"
#include "io/formaty.h"
#include "model/stan.h"

#include <QDir>

#include <optional>

class QFileDevice;

namespace edytor {

/** The first line of every failure to write a file. */
inline const QString kNieZapisano = QStringLiteral("Nie udało się zapisać pliku!");

/** A failure of a file operation, as the user is told of it. */
struct BladPliku {
    QString co;       // what failed: "Nie udało się odczytać pliku!", ...
    QString sciezka;  // the file
    QString powod;    // why, in Polish; empty where the first line says it all
    /** What failed, the file's full path and the reason, a line each. */
    QString tekst() const;
};

/** A path as a file dialog gives one: absolute (a relative one taken in `folder`), ".." read as written. */
QString sciezkaBezwzgledna(const QString &sciezka, const QString &folder = QDir::currentPath());

/**
 * Why an operation on the file failed, in Polish whatever the system's language: the system error
 * behind it, or `inny` where there was none.
 */
QString powodBledu(const QFileDevice &plik, const QString &inny);

/** What a load takes: a set file or character sets, or a set file alone (the batch commands). */
enum class Rodzaje { Wszystkie, TylkoZestaw };

/**
 * Reads a file into the set: a set file (2580 bytes) or two character sets (2048, or 2054 with a
 * header), told apart by size alone; for character sets in "Vendra" the port asks whether to
 * switch to "JGP". Every failure is told through the port as well as returned. After a read the
 * thumbnails are redrawn, the mode follows the table and the selected object is opened again.
 * The next file dialog opens in the file's folder.
 */
std::optional<BladPliku> WczytajPlik(StanEdytora &stan, Dialogi &dialogi, const QString &sciezka, Rodzaje rodzaje = Rodzaje::Wszystkie);

/**
 * Brings decoded file content into the editor as a load does, named `nazwa`: for character sets in
 * "Vendra" the port asks whether to switch to "JGP" first, and they get the mode's standard table.
 */
void ZastosujZawartosc(StanEdytora &stan, Dialogi &dialogi, const Zawartosc &zawartosc, const QString &nazwa);

/** "Wczytaj": the file chosen in the open dialog, through WczytajPlik. */
void Wczytaj(StanEdytora &stan, Dialogi &dialogi);

/** "Zapisz": writes the set file chosen in the save dialog. */
void Zapisz(StanEdytora &stan, Dialogi &dialogi);

/** "Eksportuj": asks for a base name in the export folder, then writes what ZapiszEksport writes. */
void Eksportuj(StanEdytora &stan, Dialogi &dialogi);

/**
 * What stops the files of ZapiszEksport from being written, seen before any is: a name taken by a
 * folder, by something that is not a file or by a file that may not be replaced.
 */
std::optional<BladPliku> PrzeszkodaEksportu(const QString &nazwa, bool zLiniaAutorska);

/**
 * Writes the raw data files (base name + ".FN2", ".KODY", ".KOLORY"), the bitmap of all objects
 * (".TILES.BMP") and, unless told not to, the credit line (the base name itself), each file whole
 * or not at all. Stops at the first failure, told through the port and returned.
 */
std::optional<BladPliku> ZapiszEksport(StanEdytora &stan, Dialogi &dialogi, const QString &nazwa, bool zLiniaAutorska = true);

/** Writes a whole file or nothing: the previous file stays intact when anything fails, told through the port and returned. */
std::optional<BladPliku> zapiszPlik(Dialogi &dialogi, const QString &sciezka, const QByteArray &bajty);

/** Writes the Atari view of the set: the program built into the editor with the set's data in it, whole or not at all. */
std::optional<BladPliku> ZapiszProgramAtari(const Zestaw &zestaw, Dialogi &dialogi, const QString &sciezka);

} // namespace edytor
