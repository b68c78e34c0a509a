// Loading the dictionaries, two seconds after the main window appears, and
// switching them on and off from the menu and the status panels.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "app/Form0g.h"
#include "dict/CartellaScratch.h"
#include "dict/Concatena.h"
#include "dict/IndiceDizionario.h"
#include "platform/Decoder.h"
#include "platform/Environment.h"
#include "platform/Percorsi.h"
#include "platform/StatusBar.h"
#include "platform/ToolBar.h"
#include "platform/Testi.h"

namespace tessaro {

namespace testi {
inline const QString ApriCruciverba =
    QStringLiteral(" Aprire un CRUCIVERBA dal menu File o usare TEST e i pulsanti a sinistra ");
inline const QString BaseNonDisattivabile = QStringLiteral("... il dizionario base.diz non è disattivabile!");
}  // namespace testi

namespace {
// Dictionary names are file names as the folder listing gives them, in the
// file system's encoding (not the dictionaries' code page).
QString nomeFile(const std::string& s) { return QFile::decodeName(QByteArray::fromStdString(s)); }
}  // namespace

void Form0g::Timer0_Timer() {
  Timer0->stop();
  const int intervallo = env_.intervallo(1000);
  if (intervallo >= 0) Timer2->start(intervallo);
  if (CartellaProg.isEmpty() || CartellaProg == QLatin1String("False")) CartellaProg = QDir::currentPath();

  // The decoder writes each .diz as plain text into a private folder of
  // this run, made with a random name; the loader reads each text from
  // there once and deletes it.
  std::filesystem::path scratch;
  const std::string perche = creaCartellaScratch(scratch);
  cartellaScratch_ = scratch;
  Cedi cedi([this] {
    env_.yieldNow();
    return false;
  });
  // The folder's own bytes: a name that is not UTF-8 must still be found.
  EsitoCaricamento esito = caricaDizionari(percorsoLocale(CartellaProg),
                                           perche.empty() ? caricaDecoder(scratch) : ChiamataDecoder{}, scratch, cedi);
  // The decoder is called only while loading: its folder goes at once, so
  // not even an empty folder is left behind if the program is killed later.
  rimuoviCartellaScratch(scratch);
  cartellaScratch_.clear();
  if (!esito.ok()) {
    // Without its folder the decoder could not run: say why.
    if (!perche.empty() && esito.errore == TestoErroreDecoder) esito.errore += concatena({"\r\n(", perche, ")"});
    env_.msgBox(this, daUtf8(esito.errore), msg::Critical | msg::OK, daUtf8(TitoloErrore));
    esciFine();
    return;
  }
  Archivio = std::move(esito.archivio);
  for (const std::string& t : testiAvvisi(esito)) env_.msgBox(this, daUtf8(t), msg::OK, daUtf8(TitoloAttenzione));
  preparaIndici(cedi);

  // Menu items and panels of the loaded slots 1..6.
  for (int k = 2; k <= 6; ++k) {
    d[static_cast<std::size_t>(k)]->setVisible(false);
    Stb1->setVisible(k + 10, false);
  }
  for (int k = 1; k <= 6; ++k) {
    const Dizionario& diz = Archivio.slot[static_cast<std::size_t>(k)];
    if (diz.vuoto()) break;
    QAction* voce = d[static_cast<std::size_t>(k)];
    Stb1->setVisible(k + 10, true);
    Stb1->setEnabled(k + 10, true);
    voce->setText(nomeFile(didascaliaMenu(k, diz.nome)));
    voce->setChecked(true);
    if (k >= 2) voce->setVisible(true);
  }
  pannelliDiz();
  Stb1->setText(2, testi::ApriCruciverba);
  Timer2->stop();
  SecCar->hide();
  Label0->hide();
  unsetCursor();
  Tlb1->setEnabled(QStringLiteral("a9"), true);
  textb->setEnabled(true);
  Picture1->show();
  Picture1->setEnabled(true);
  apriFileIniziale();
}

void Form0g::preparaIndici(Cedi& cedi) {
  for (int k = 1; k < NumSlot; ++k) {
    const Dizionario& diz = Archivio.slot[static_cast<std::size_t>(k)];
    IndiciRicerca[static_cast<std::size_t>(k)] = diz.vuoto() ? IndiceRicerca{} : costruisciIndiceRicerca(diz, cedi);
  }
  IndiceAnagrammiBase = costruisciIndiceAnagrammi(Archivio.slot[1], cedi);
}

void Form0g::pannelliDiz() {
  for (int n = 11; n <= 16; ++n) {
    Stb1->setEnabled(n, false);
    Stb1->setToolTip(n, QString());
  }
  for (int k = 1; k <= 6; ++k) {
    QAction* voce = d[static_cast<std::size_t>(k)];
    if (!voce->isChecked()) continue;
    Stb1->setEnabled(k + 10, true);
    // From character 5 of "D2- nomi.diz", less its last four: "nomi".
    const QString c = voce->text();
    Stb1->setToolTip(k + 10, c.mid(4).chopped(std::min<qsizetype>(4, c.mid(4).size())));
  }
  dizionariCambiati();
}

void Form0g::dk_Click(int k) {
  if (k == 1) {
    env_.msgBox(this, testi::BaseNonDisattivabile, msg::OK, daUtf8(TitoloAttenzione));
    return;
  }
  QAction* voce = d[static_cast<std::size_t>(k)];
  voce->setChecked(!voce->isChecked());
  pannelliDiz();
}

void Form0g::Stb1_PanelClick(int pannello) {
  if (pannello == 2) {
    if (Occupato > 0) Interrompi = 1;
  } else if (pannello == 7 || pannello == 8) {
    Estesa_Click();
  } else if (pannello >= 11 && pannello <= 16) {
    dk_Click(pannello - 10);
  }
}

}  // namespace tessaro
