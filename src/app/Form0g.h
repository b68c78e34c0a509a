// The main window. It owns the program's state (the Schema, the dictionary
// store, the request, the history, the flags, the current cell) and exposes
// one operation per event, named after the control and the event, plus the
// named procedures. Handlers are thin: read the state, call the core, write
// the controls. The handlers of each area live in that area's ui/ folder.
#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <QString>
#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "clues/Definizioni.h"
#include "dict/CaricaDizionari.h"
#include "fill/ui/StatoRiempimento.h"
#include "history/Storia.h"
#include "platform/lingua/MotoreLinguistico.h"
#include "schema/Schema.h"
#include "schema/Vista.h"
#include "search/IndiceRicerca.h"
#include "search/LunghezzaLibera.h"
#include "search/Trasferimento.h"
#include "testtools/Anagrammi.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;

namespace tessaro {

class Environment;
class FinestraDefinizioni;
class ListBox;
struct StatoRiempibilita;
class PictureBox;
class StatusBar;
class ToolBar;

// Texts the window shows, exact with their blanks.
namespace testi {
inline const QString Titolo = QStringLiteral("  TESSARO   ");
inline const QString NuovoFile = QStringLiteral("(nuovo file)");
inline const QString Attendi = QStringLiteral(" Attendi ...                            ");
inline const QString PerLavorare =
    QStringLiteral(" Per lavorare nel Cruciverba usare i Bottoni in alto a destra ");
inline const QString AttendereCaricamento = QStringLiteral(" Attendere il caricamento dei Dizionari ...");
}  // namespace testi

class Form0g : public QMainWindow {
  Q_OBJECT
 public:
  explicit Form0g(Environment& env, QWidget* parent = nullptr);
  ~Form0g() override;

  Environment& env() { return env_; }

  // ---- start-up and working state
  void Form_Load();
  void Inizio();
  void Timer0_Timer();
  void Timer2_Timer();

  // ---- dictionaries
  void pannelliDiz();
  void dk_Click(int k);
  void d1_Click() { dk_Click(1); }
  void d2_Click() { dk_Click(2); }
  void d3_Click() { dk_Click(3); }
  void d4_Click() { dk_Click(4); }
  void d5_Click() { dk_Click(5); }
  void d6_Click() { dk_Click(6); }
  void Stb1_PanelClick(int pannello);
  void Indirdiz_Click();
  // The indexes of the searches and of the anagrams, built once after
  // loading, yielding through the loader's `cedi`.
  void preparaIndici(Cedi& cedi);

  // ---- view
  void disponi();
  void Ingrandisci_Click();
  void Riduci_Click();
  void Originali_Click();
  void Numerare_Click();
  // Returns true when the key was a zoom shortcut.
  bool Form_KeyDown(int keyCode, int shift);

  // ---- drawing
  void rinfresca();
  void numera();
  void evidenzia();

  // ---- new Schema
  void menuNuovo_Click();
  void NuovoSchema();

  // ---- search options
  void Accorcia_Click();
  void Estesa_Click();

  // ---- tools
  void Tlb1_ButtonClick(const QString& key);
  void eseguiStrumento(const QString& key);

  // ---- history
  // Records and performs the change of the current cell to NuovoCar.
  void aggior();
  // Undo ("a7"); false when a damaged record stopped it (message shown).
  bool annulla();
  void ripristina();
  // Shows the history's emptying message when it has just been emptied.
  void avvisaStoriaAzzerata();

  // ---- the grid: pointer, keys, cell actions
  void Peri_MouseDown(int button, int shift, double x, double y);
  void Peri_MouseMove(int button, int shift, double x, double y);
  void Peri_MouseUp(int button, int shift, double x, double y);
  void Peri_Click();
  void Peri_KeyDown(int& keyCode, int shift);
  void avanza();
  void evidenziaCasella();
  void cercaParola(bool riga);

  // ---- search
  void cerca();
  void richiestaIncrocio();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void liberaCodaAutomatica();
  void Lists_Click();
  void Prepara();

  // ---- TEST tools
  // Runs the TEST procedure of tool mode 9, 10 or 11.
  void eseguiTest(int modo);
  void anagrammi();
  void sinonimi();
  void ortografia();
  void FunWord_Click();
  void avviaWord();
  void chiudiword();
  MotoreLinguistico* lingua() { return lingua_.get(); }

  // ---- controls, with their design names
  ToolBar* Tlb1 = nullptr;
  StatusBar* Stb1 = nullptr;
  PictureBox* Peri = nullptr;
  ListBox* Lists = nullptr;
  QLabel* Label0 = nullptr;
  QLabel* SecCar = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* texta = nullptr;
  QLineEdit* textb = nullptr;
  QLabel* Picture1 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;
  QPushButton* Command4 = nullptr;
  QTimer* Timer0 = nullptr;
  QTimer* Timer2 = nullptr;

  QMenu* menuFile = nullptr;
  QMenu* menuVisualizza = nullptr;
  QMenu* menuStrumenti = nullptr;
  QMenu* menuAiuto = nullptr;
  QMenu* Dizper = nullptr;
  QMenu* Attivadiz = nullptr;
  QAction* menuNuovo = nullptr;
  QAction* menuApri = nullptr;
  QAction* Salva = nullptr;
  QAction* Salvacome = nullptr;
  QAction* menuEsci = nullptr;
  QAction* Numerare = nullptr;
  QAction* Riduci = nullptr;
  QAction* Ingrandisci = nullptr;
  QAction* Originali = nullptr;
  QAction* Accorcia = nullptr;
  QAction* Estesa = nullptr;
  std::array<QAction*, 7> d{};  // d[1]..d[6]
  QAction* Indirdiz = nullptr;
  QAction* FunWord = nullptr;
  QAction* AiutoF1 = nullptr;

  // Pictures: the grid cursor in use, the default one, and one per tool.
  QPixmap ImageA, ImageV;
  std::array<QPixmap, 7> Image1;

  // ---- state
  Schema schema;
  bool SchermoPiccolo = false;
  QString CartellaProg;
  QString FileWordTemp;
  QString CR_LF = QStringLiteral("\r\n");
  QString TastoAttivo = QStringLiteral("a9");
  std::int16_t Modo = 9;
  std::int16_t Occupato = 0;
  std::int16_t Interrompi = 0;
  std::int16_t Modificato = 0;
  QString NomeFile;
  QString CartellaFile;
  Vista vista;
  int EvidCol = 0, EvidRiga = 0, EvidLarg = 0, EvidAlt = 0;
  RiquadroCelle UltEvid;
  int AiutoContesto = 0;
  QString FileAiuto;

  Storia storia;
  // The dictionary store (DizNomi, DizTesti, DizIndice of slots 1..7).
  ArchivioDizionari Archivio;
  IndiceAnagrammi IndiceAnagrammiBase;
  std::array<IndiceRicerca, NumSlot> IndiciRicerca;
  // Lines of the last result list: 32 bits, since an extended search can
  // list more than 32767.
  int NumRisultati = 0;
  // Suggestions listed by the last spelling check.
  std::int16_t NumSuggerimentiParola = 0;
  std::vector<Casella> Toccate;  // RigheToccate / ColToccate of the last undo, redo or revert
  std::int16_t RigaCorr = 0, ColCorr = 0;
  char NuovoCar = CellaVuota;
  char CarCella = CellaVuota;
  // Drag selection: SelCol1/SelRiga1 the first cell, SelCol2/SelRiga2 the last.
  int SelCol1 = 0, SelCol2 = 0, SelRiga1 = 0, SelRiga2 = 0;
  // The cell where the left button went down on the grid.
  int AncoraCol = 0, AncoraRiga = 0;
  struct {
    int col1 = 0, col2 = 0, riga1 = 0, riga2 = 0;
  } UltTrascina;
  bool Trascinando = false;
  std::int16_t PassoRiga = 0, PassoCol = 0;
  std::int16_t SoloVocali = 0;
  std::int16_t PrimaCol = 0, UltimaCol = 0, PrimaRiga = 0, UltimaRiga = 0;
  bool Trascinato = false;
  int TrascCol = 0, TrascRiga = 0;
  bool Trasferito = false;
  // The request of the last search.
  std::string Richiesta, RichiestaMax, TestaLibera, CodaLibera, RichiestaIntera;
  std::string RichiestaRitento;
  std::int16_t Ritento = 0;
  // The clicked result reduced to the word, and the cycle of a vowel group.
  std::string Scelta;
  Ruota Ruota_;

  // Screen size in twips, as the layout sees it.
  int W() const;
  int H() const;
  int twipsInPixel(double twips) const;

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  bool mostraPasso(const EsitoPasso& e);
  StatoRichiesta statoRichiesta() const;
  void eseguiComandoLibero(EsitoComando (*comando)(const StatoRichiesta&));
  void costruisciMenu();
  void costruisciControlli();
  std::int16_t latoDiPartenza() const;
  void ridimensionaBox();
  bool ridimensionaBoxConVista();
  void applicaFontGriglia();
  void adattaFontGriglia();
  void posiziona(QWidget* w, int left, int top, int width, int height);
  void posizionaX(QWidget* w, int left);
  void posizionaY(QWidget* w, int top);
  int larghezzaTwips(const QWidget* w) const;
  int sinistraTwips(const QWidget* w) const;
  int altoTwips(const QWidget* w) const;

  Environment& env_;
  std::unique_ptr<MotoreLinguistico> lingua_;
  std::filesystem::path cartellaScratch_;  // the decoder's private folder of this run
  QWidget* area_ = nullptr;  // the client area, in which controls sit by twips

  // ---- files (src/files/ui/)
 public:
  void menuApri_Click();
  // The file named on the command line, opened as "Apri File..." would once
  // the dictionaries are loaded.
  QString FileIniziale;
  void apriFileIniziale();
  void Salva_Click();
  void Salvacome_Click();
  // The save-changes question. Callers read Modificato afterwards: still 1
  // means they abandon their action. Returns the answer (msg::AnsYes, AnsNo,
  // AnsCancel) so a caller whose action then does not happen can tell that
  // "No" discarded nothing.
  int chiediSalvataggio();
  // The file dialogs, starting in CartellaFile; "" when the user cancels.
  QString DialogoApri(const QString& descrizione, const QString& modelli);
  QString DialogoSalva(const QString& descrizione, const QString& modelli);
  QString NomePrecedente;

 private:
  // "Apri File..." on `nome`, or on the file chosen in the dialog when empty.
  void apriSchema(const QString& nome);
  bool salvaSu(const QString& nome);
  bool schemaHaUnFile() const;

  // ---- fill (src/fill/ui/)
 public:
  void costruisciMenuRiempimento();
  void RiempiSchema_Click();
  void RiempiArea_Click();
  void AccettaProposta_Click();
  void ScartaProposta_Click();
  void QualitaMinima_Click();
  // Fills the Schema, or only the empty cells of an area, as a proposal.
  void riempiSchema(std::optional<Area> area);
  // Drops the proposal and an armed area selection (no redraw); true when
  // there was something to drop.
  bool scartaProposta();
  // Esc and Enter while a fill runs, a proposal shows or an area is armed;
  // true when the key was used.
  bool tastoRiempimento(int keyCode);
  // The area drag while "Riempi Area" is armed; true when it took the event.
  bool areaMouseDown(int button, double x, double y);
  bool areaMouseMove(double x, double y);
  bool areaMouseUp(int button, double x, double y);
  bool areaClick();
  // Draws the proposal (blue letters) and the area frame (dashed green).
  void disegnaRiempimento();
  QMenu* menuRiempimento = nullptr;
  QAction* RiempiSchema = nullptr;
  QAction* RiempiArea = nullptr;
  QAction* AccettaProposta = nullptr;
  QAction* ScartaProposta = nullptr;
  QAction* QualitaMinima = nullptr;
  StatoRiempimento Riempimento;
  // ---- clues, export, printing and ipuz (src/clues/ui/)
 public:
  // Adds "Definizioni" (F4) to "Visualizza" and "Importa ipuz...",
  // "Esporta" and "Stampa..." (Ctrl+P) to "File".
  void costruisciMenuDefinizioni();
  void Definizioni_Click();
  void ImportaIpuz_Click();
  void EsportaPdf_Click();
  void EsportaSvg_Click();
  void EsportaPng_Click();
  void EsportaIpuz_Click();
  void Stampa_Click();
  // Run after every full redraw: the clues' numbers and the Definizioni
  // window follow the grid.
  void grigliaDisegnata();
  // A Schema replaces the old one: no clues until its .def is read.
  void azzeraDefinizioni();
  // After a file has been opened: the clues of the .def beside it.
  void leggiDefinizioniAccanto(const QString& nomeTes);
  Definizioni definizioni;
  // A .def found damaged when its Schema was opened: kept as it is until
  // there are clues to save in its place.
  QString DefDanneggiato;
  QAction* menuDefinizioni = nullptr;
  QAction* ImportaIpuz = nullptr;
  QMenu* menuEsporta = nullptr;
  QAction* EsportaPdf = nullptr;
  QAction* EsportaSvg = nullptr;
  QAction* EsportaPng = nullptr;
  QAction* EsportaIpuz = nullptr;
  QAction* menuStampa = nullptr;
  FinestraDefinizioni* finestraDefinizioni = nullptr;

 private:
  void esporta(int formato);

  // ---- exit and help (src/app/Uscita.cpp)
 public:
  void menuEsci_Click();
  void Form_Unload(std::int16_t& Cancel);
  void esciFine();
  void AiutoF1_Click();
  // The Italian user guide shipped beside the program.
  static QString percorsoGuida();

 private:

  // ---- fillability overlay, Schema report, symmetry (src/fill/ui/)
 public:
  // Adds its items to the "Riempimento" menu (made when missing).
  void vociRiempibilita();
  void MostraRiempibilita_Click();
  void VerificaSchema_Click();
  void Simmetria_Click(int tipo);
  // A click on line `riga` of the report selects its words or cells.
  void Verifica_Click(int riga);
  // Drawn by numera over the grid while "Mostra Riempibilità" is checked.
  void disegnaRiempibilita();
  // After a dictionary was switched on or off (or loaded).
  void dizionariCambiati();
  // Blackening or whitening the current cell does the same to its mirror.
  void aggiorSimmetrica();
  QString suggerimentoCella(int r, int c) const;
  StatoRiempibilita& riempibilita() { return *riempibilita_; }
  QAction* MostraRiempibilita = nullptr;
  QAction* VerificaSchema = nullptr;
  std::array<QAction*, 4> SimmetriaVoci{};

 private:
  int dizionariAttivi() const;
  // The loaded dictionaries of the slots in `maschera` (bit k = slot k), as
  // the sources of a fill vocabulary.
  std::vector<FonteLessico> fontiLessico(int maschera) const;
  bool preparaLessico();
  void analisiSincrona();
  void programmaAnalisi();
  void analisiDifferita();
  void aggiornaVerifica(bool subito);
  std::unique_ptr<StatoRiempibilita> riempibilita_;
};

}  // namespace tessaro
