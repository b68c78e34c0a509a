// The "Definizioni" window (F4): one row per word run, across and down, with
// its number, its letters and its clue; a click on a row shows the run in
// the grid, a click in the grid selects the rows through the cell;
// "Suggerisci" lists the thesaurus's synonyms of a complete word; clues
// whose run is gone are kept apart under "Definizioni senza casella".
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "clues/Definizioni.h"

class QGroupBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace tessaro {

class Form0g;

namespace testi {
inline const QString TitoloDefinizioni = QStringLiteral("Definizioni");
inline const QString SenzaCasella = QStringLiteral("Definizioni senza casella");
inline const QString Suggerisci = QStringLiteral("Suggerisci");
inline const QString EliminaDefinizione = QStringLiteral("Elimina");
inline const QString LinguaNonAttiva =
    QStringLiteral("Per i sinonimi attivare \"Attivazione Funzioni MS Word\" nel menu Strumenti.");
inline const QString NessunSinonimo = QStringLiteral("Nessun sinonimo per questa parola.");
inline const QString Orizzontale = QStringLiteral("Orizzontale");
inline const QString Verticale = QStringLiteral("Verticale");
}  // namespace testi

class FinestraDefinizioni : public QDialog {
  Q_OBJECT
 public:
  explicit FinestraDefinizioni(Form0g& f);

  // Follows the grid: new rows when the runs changed, new letters when only
  // letters did; `tutto` rebuilds everything (new clues).
  void aggiorna(bool tutto = false);
  // Selects the rows of the runs through the current cell.
  void seguiCasella();
  void Suggerisci_Click();
  void Elimina_Click();
  // A double click on a synonym adds it to the chosen run's clue.
  void Sinonimi_DblClick(QListWidgetItem* voce);

  QTableWidget* Orizzontali = nullptr;
  QTableWidget* Verticali = nullptr;
  QGroupBox* GruppoSenzaCasella = nullptr;
  QTableWidget* SenzaCasella = nullptr;
  QPushButton* Suggerisci = nullptr;
  QPushButton* Elimina = nullptr;
  QListWidget* Sinonimi = nullptr;

 private:
  QTableWidget* tabella(Verso v) const { return v == Verso::Orizzontale ? Orizzontali : Verticali; }
  void riempi(Verso v);
  void riempiSenzaCasella();
  void scegli(Verso v, int indice);
  void definizioneCambiata(Verso v, QTableWidgetItem* voce);
  // The chosen run, if any.
  const Parola* scelta() const;
  void aggiornaSuggerisci();

  Form0g& f_;
  Parole parole_;
  std::vector<std::string> grigliaVista_;
  std::vector<Definizione> orfane_;
  bool aggiornando_ = false;
  Verso versoScelto_ = Verso::Orizzontale;
  int indiceScelto_ = -1;
};

}  // namespace tessaro
