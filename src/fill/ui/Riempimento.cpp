// The "Riempimento" menu: fill the whole Schema or an area of it with words
// of the active dictionaries, show the result as a proposal in blue, accept
// it as one change group or discard it, and set the lowest word score and
// the time limit.
#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QFormLayout>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QSpinBox>
#include <cmath>

#include "app/Form0g.h"
#include "fill/Punteggi.h"
#include "platform/Environment.h"
#include "platform/Keys.h"
#include "platform/ListBox.h"
#include "platform/PictureBox.h"
#include "platform/StatusBar.h"
#include "platform/ToolBar.h"
#include "platform/Testi.h"
#include "search/Richiesta.h"

namespace tessaro {

namespace testi {
inline const QString TitoloRiempimento = QStringLiteral("Riempimento");
inline const QString ArmaArea = QStringLiteral(" RIEMPI AREA: trascinare sulla zona da riempire (Esc annulla) ");
inline const QString PreparaParole = QStringLiteral(" preparazione delle parole ... ");
inline const QString Avanzamento = QStringLiteral(" Riempimento: %1/%2 parole, %3 s ");
inline const QString Proposta = QStringLiteral(" Proposta: %1 parole, punteggio medio %2 ");
inline const QString PropostaParziale = QStringLiteral(" Proposta parziale: %1/%2 parole, punteggio medio %3 ");
inline const QString InvioEsc = QStringLiteral(" Invio accetta, Esc scarta ");
inline const QString Accettata = QStringLiteral(" proposta accettata ");
inline const QString Scartata = QStringLiteral(" proposta scartata ");
inline const QString NienteDaRiempire = QStringLiteral(" nessuna casella da riempire ");
inline const QString SenzaDizionari = QStringLiteral(" dizionari non ancora caricati ");
}  // namespace testi

namespace {
const QColor Blu(0, 0, 255);
const QColor Verde(0, 160, 0);
const char* const ChiaveMinimo = "riempimento/minimo";
const char* const ChiaveTempo = "riempimento/tempo";

int cellaDi(double x) { return static_cast<int>(std::floor(x)); }

QString decimale(double x) { return QString::number(x, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(',')); }
}  // namespace

void Form0g::costruisciMenuRiempimento() {
  menuRiempimento = menuBar()->addMenu(testi::TitoloRiempimento);
  RiempiSchema = menuRiempimento->addAction(QStringLiteral("Riempi Schema"));
  RiempiSchema->setShortcut(QKeySequence(Qt::Key_F5));
  RiempiArea = menuRiempimento->addAction(QStringLiteral("Riempi Area"));
  RiempiArea->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F5));
  // Enter and Esc reach the fill through the window's key preview, which
  // knows when a proposal is shown; the menu only names them.
  AccettaProposta = menuRiempimento->addAction(QStringLiteral("Accetta Proposta\tInvio"));
  ScartaProposta = menuRiempimento->addAction(QStringLiteral("Scarta Proposta\tEsc"));
  menuRiempimento->addSeparator();
  QualitaMinima = menuRiempimento->addAction(QStringLiteral("Qualità Minima..."));
  AccettaProposta->setEnabled(false);
  ScartaProposta->setEnabled(false);
  connect(RiempiSchema, &QAction::triggered, this, &Form0g::RiempiSchema_Click);
  connect(RiempiArea, &QAction::triggered, this, &Form0g::RiempiArea_Click);
  connect(AccettaProposta, &QAction::triggered, this, &Form0g::AccettaProposta_Click);
  connect(ScartaProposta, &QAction::triggered, this, &Form0g::ScartaProposta_Click);
  connect(QualitaMinima, &QAction::triggered, this, &Form0g::QualitaMinima_Click);
  const QSettings impostazioni;
  Riempimento.minimo = std::clamp(impostazioni.value(QLatin1String(ChiaveMinimo), 0).toInt(), 0, PunteggioPreferita);
  Riempimento.tempo = std::clamp(impostazioni.value(QLatin1String(ChiaveTempo), TempoMassimoPredefinito).toDouble(), 1.0, 3600.0);
  vociRiempibilita();
}

bool Form0g::scartaProposta() {
  const bool cEra = !Riempimento.proposta.empty() || Riempimento.areaArmata || Riempimento.area.has_value();
  Riempimento.proposta.clear();
  Riempimento.area.reset();
  if (Riempimento.areaArmata) {
    Riempimento.areaArmata = false;
    Riempimento.trascina = false;
    Stb1->setText(1, Riempimento.pannello1);
    Stb1->setToolTip(1, Riempimento.suggerimento1);
  }
  if (AccettaProposta != nullptr) {
    AccettaProposta->setEnabled(false);
    ScartaProposta->setEnabled(false);
  }
  return cEra;
}

void Form0g::RiempiSchema_Click() { riempiSchema(std::nullopt); }

void Form0g::RiempiArea_Click() {
  if (Occupato > 0 || !schema.esiste()) return;
  const bool armata = Riempimento.areaArmata;
  if (scartaProposta()) rinfresca();
  if (armata) return;  // a second press disarms
  Riempimento.pannello1 = Stb1->text(1);
  Riempimento.suggerimento1 = Stb1->toolTip(1);
  Riempimento.areaArmata = true;
  Stb1->setText(1, testi::ArmaArea);
  Stb1->setToolTip(1, QString());
}

bool Form0g::areaMouseDown(int button, double x, double y) {
  if (!Riempimento.areaArmata) return false;
  if (button != 1) return true;
  Riempimento.col0 = Riempimento.col1 = std::clamp(cellaDi(x), 0, schema.Colonne - 1);
  Riempimento.riga0 = Riempimento.riga1 = std::clamp(cellaDi(y), 0, schema.Righe - 1);
  Riempimento.trascina = true;
  rinfresca();
  return true;
}

bool Form0g::areaMouseMove(double x, double y) {
  if (!Riempimento.areaArmata || !Riempimento.trascina) return false;
  Riempimento.col1 = std::clamp(cellaDi(x), 0, schema.Colonne - 1);
  Riempimento.riga1 = std::clamp(cellaDi(y), 0, schema.Righe - 1);
  rinfresca();
  return true;
}

bool Form0g::areaMouseUp(int button, double x, double y) {
  if (!Riempimento.areaArmata) return false;
  if (button != 1 || !Riempimento.trascina) return true;
  areaMouseMove(x, y);
  const StatoRiempimento& r = Riempimento;
  const Area a{std::min(r.riga0, r.riga1), std::min(r.col0, r.col1), std::max(r.riga0, r.riga1),
               std::max(r.col0, r.col1)};
  scartaProposta();
  Riempimento.ignoraClick = true;
  riempiSchema(a);
  return true;
}

bool Form0g::areaClick() {
  if (Riempimento.ignoraClick) {
    Riempimento.ignoraClick = false;
    return true;
  }
  return Riempimento.areaArmata;
}

bool Form0g::tastoRiempimento(int keyCode) {
  if (keyCode == vk::Escape) {
    if (Riempimento.inCorso) {
      Interrompi = 1;
      return true;
    }
    if (Occupato > 0) return false;
    if (Riempimento.areaArmata || !Riempimento.proposta.empty()) {
      ScartaProposta_Click();
      return true;
    }
    return false;
  }
  if (keyCode == vk::Return && Occupato == 0 && !Riempimento.proposta.empty()) {
    AccettaProposta_Click();
    return true;
  }
  return false;
}

void Form0g::disegnaRiempimento() {
  const StatoRiempimento& r = Riempimento;
  if (!r.proposta.empty()) {
    Peri->setFontSize(vista.FontLettere);
    Peri->setFontBold(true);
    Peri->setForeColor(Blu);
    for (const Scrittura& w : r.proposta)
      if (schema.cella(w.riga, w.col) == CellaVuota)
        Peri->print(w.col + vista.OffX, w.riga + vista.OffY, QString(QLatin1Char(w.car)));
    Peri->setForeColor(QColor(0, 0, 0));
  }
  std::optional<Area> a = r.area;
  if (r.areaArmata && r.trascina)
    a = Area{std::min(r.riga0, r.riga1), std::min(r.col0, r.col1), std::max(r.riga0, r.riga1), std::max(r.col0, r.col1)};
  if (a) Peri->boxTratteggiato(a->col1 + 0.04, a->riga1 + 0.04, a->col2 + 0.96, a->riga2 + 0.96, Verde);
}

void Form0g::riempiSchema(std::optional<Area> area) {
  if (Occupato > 0 || !schema.esiste()) return;
  scartaProposta();
  for (int n : {2, 3, 4}) Stb1->setText(n, QStringLiteral(" "));
  if (Archivio.slot[1].vuoto()) {
    Stb1->setText(3, testi::SenzaDizionari);
    env_.beep();
    rinfresca();
    return;
  }
  StatoRiempimento& st = Riempimento;
  // The vocabulary of the dictionaries active now, with the score lists of
  // the dictionary folder as they are now.
  const int attivi = dizionariAttivi();
  ListePunteggi liste = leggiListePunteggi(CartellaProg.toStdString());
  if (!st.lessicoPronto || attivi != st.attivi || !(liste == st.liste)) {
    Stb1->setText(2, testi::PreparaParole);
    Peri->repaint();
    st.lessico = costruisciLessico(fontiLessico(attivi), liste);
    st.attivi = attivi;
    st.liste = std::move(liste);
    st.lessicoPronto = true;
  }
  // The same grid again asks for another fill.
  st.seme = schema.Griglia == st.ultimaGriglia ? st.seme + 1 : 1;
  st.ultimaGriglia = schema.Griglia;

  OpzioniRiempimento o;
  o.seme = st.seme;
  o.tempoMassimo = st.tempo;
  o.minimo = st.minimo;
  o.area = area;
  st.area = area;
  rinfresca();

  Occupato = 2;
  Interrompi = 0;
  st.inCorso = true;
  Stb1->setToolTip(2, QStringLiteral("Interrompi"));
  Stb1->setText(2, testi::Avanzamento.arg(0).arg(0).arg(0));
  Peri->setMousePointer(PictureBox::Clessidra);
  QElapsedTimer ultimo;
  ultimo.start();
  const CediRiempimento cedi = [&](const tessaro::Avanzamento& a) {
    if (ultimo.elapsed() >= 200) {
      Stb1->setText(2, testi::Avanzamento.arg(a.riempiti).arg(a.totale).arg(static_cast<int>(a.secondi)));
      ultimo.restart();
    }
    env_.yieldNow();
    return Interrompi > 0;
  };
  const RisultatoRiempimento r = riempi(st.lessico, schema, o, cedi);
  st.inCorso = false;
  Occupato = 0;
  Stb1->setToolTip(2, QString());
  Peri->setMouseIcon(ImageA);
  Peri->setMousePointer(PictureBox::Personalizzato);
  for (int n : {2, 3, 4}) Stb1->setText(n, QStringLiteral(" "));

  switch (r.esito) {
    case EsitoRiempimento::Riempito:
      if (r.proposta.empty()) {
        st.area.reset();
        Stb1->setText(2, testi::NienteDaRiempire);
        break;
      }
      st.proposta = r.proposta;
      Stb1->setText(2, testi::Proposta.arg(r.totale).arg(decimale(r.punteggioMedio)));
      Stb1->setText(3, testi::InvioEsc);
      break;
    case EsitoRiempimento::Interrotto:
      st.area.reset();
      Stb1->setText(3, daUtf8(TestoInterruzione));
      break;
    case EsitoRiempimento::Tempo:
      env_.msgBox(this, daUtf8(messaggioRiempimento(r, o)), msg::OK | msg::Exclamation, testi::TitoloRiempimento);
      st.proposta = r.proposta;
      if (!st.proposta.empty()) {
        Stb1->setText(2, testi::PropostaParziale.arg(r.riempiti).arg(r.totale).arg(decimale(r.punteggioMedio)));
        Stb1->setText(3, testi::InvioEsc);
      } else {
        st.area.reset();
      }
      break;
    case EsitoRiempimento::SenzaCandidati:
    case EsitoRiempimento::Esaurito:
      st.area.reset();
      env_.msgBox(this, daUtf8(messaggioRiempimento(r, o)), msg::OK | msg::Exclamation, testi::TitoloRiempimento);
      break;
  }
  AccettaProposta->setEnabled(!st.proposta.empty());
  ScartaProposta->setEnabled(!st.proposta.empty());
  Interrompi = 0;
  rinfresca();
}

void Form0g::AccettaProposta_Click() {
  if (Occupato > 0 || Riempimento.proposta.empty()) return;
  std::vector<CellaGruppo> cambi;
  cambi.reserve(Riempimento.proposta.size());
  for (const Scrittura& w : Riempimento.proposta)
    cambi.push_back({static_cast<std::int16_t>(w.riga), static_cast<std::int16_t>(w.col), w.car});
  scartaProposta();
  // One record for the whole fill: one undo takes it back.
  const EsitoAggior e = storia.registraGruppo(schema, cambi);
  if (e.azzerata) avvisaStoriaAzzerata();
  if (e.segnaModifica) {
    Tlb1->setEnabled(QStringLiteral("a7"), true);
    Modificato = 1;
  }
  Trasferito = false;
  Lists->Clear();
  Stb1->setText(2, testi::Accettata);
  Stb1->setText(3, QStringLiteral(" "));
  rinfresca();
}

void Form0g::ScartaProposta_Click() {
  if (Occupato > 0) return;
  if (!scartaProposta()) return;
  Stb1->setText(2, testi::Scartata);
  Stb1->setText(3, QStringLiteral(" "));
  rinfresca();
}

void Form0g::QualitaMinima_Click() {
  if (Occupato > 0) return;
  QDialog d(this);
  d.setWindowTitle(QStringLiteral("Qualità Minima"));
  auto* minimo = new QSpinBox(&d);
  minimo->setObjectName(QStringLiteral("minimo"));
  minimo->setRange(0, PunteggioPreferita);
  minimo->setSpecialValueText(QStringLiteral("nessuno"));
  minimo->setValue(Riempimento.minimo);
  auto* tempo = new QSpinBox(&d);
  tempo->setObjectName(QStringLiteral("tempo"));
  tempo->setRange(1, 3600);
  tempo->setSuffix(QStringLiteral(" s"));
  tempo->setValue(static_cast<int>(std::lround(Riempimento.tempo)));
  auto* modulo = new QFormLayout(&d);
  modulo->addRow(QStringLiteral("Punteggio minimo delle parole (1-100):"), minimo);
  modulo->addRow(QStringLiteral("Tempo massimo del riempimento:"), tempo);
  auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
  pulsanti->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
  modulo->addRow(pulsanti);
  connect(pulsanti, &QDialogButtonBox::accepted, &d, &QDialog::accept);
  connect(pulsanti, &QDialogButtonBox::rejected, &d, &QDialog::reject);
  if (env_.mostraModale(d) != QDialog::Accepted) return;
  Riempimento.minimo = minimo->value();
  Riempimento.tempo = tempo->value();
  QSettings impostazioni;
  impostazioni.setValue(QLatin1String(ChiaveMinimo), Riempimento.minimo);
  impostazioni.setValue(QLatin1String(ChiaveTempo), Riempimento.tempo);
}

}  // namespace tessaro
