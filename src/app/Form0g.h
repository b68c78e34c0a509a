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

#include "schema/Schema.h"
#include "schema/Vista.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;

namespace tessaro {

class Environment;
class ListBox;
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

struct Rettangolo {
  int col = 0, riga = 0, larg = 0, alt = 0;
};

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
  Rettangolo UltEvid;
  int AiutoContesto = 0;
  QString FileAiuto;

  // Screen size in twips, as the layout sees it.
  int W() const;
  int H() const;
  int twipsInPixel(double twips) const;

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void costruisciMenu();
  void costruisciControlli();
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
  QWidget* area_ = nullptr;  // the client area, in which controls sit by twips

  // ---- files (src/files/ui/)
 public:
  void menuApri_Click();
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
  bool salvaSu(const QString& nome);
  bool schemaHaUnFile() const;

  // ---- exit and help (src/app/Uscita.cpp)
 public:
  void menuEsci_Click();
  void Form_Unload(std::int16_t& Cancel);
  void esciFine();
  void AiutoF1_Click();
  // The Italian user guide shipped beside the program.
  static QString percorsoGuida();

 private:
  void chiudiMotoreLinguistico();
};

}  // namespace tessaro
