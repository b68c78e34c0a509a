// The window's side of the live fillability check, the Schema report and the
// symmetry of black cells: the items of the "Riempimento" menu, the overlay
// drawn over the grid, the cell tooltips and status panel 9.
#include <algorithm>

#include <QAction>
#include <QActionGroup>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolTip>

#include "app/Form0g.h"
#include "fill/ui/StatoRiempibilita.h"
#include "platform/Environment.h"
#include "platform/ListBox.h"
#include "platform/PictureBox.h"
#include "platform/StatusBar.h"
#include "platform/Testi.h"

namespace tessaro {

namespace testi {
inline const QString MenuRiempimento = QStringLiteral("Riempimento");
inline const QString MostraRiempibilita = QStringLiteral("Mostra Riempibilità");
inline const QString VerificaSchema = QStringLiteral("Verifica Schema...");
inline const QString Simmetria = QStringLiteral("Simmetria");
inline const QString VociSimmetria[] = {QStringLiteral("Nessuna"), QStringLiteral("Rotazione 180°"),
                                        QStringLiteral("Speculare orizzontale"),
                                        QStringLiteral("Speculare verticale")};
}  // namespace testi

namespace {

const QString ChiaveMostra = QStringLiteral("Riempimento/MostraRiempibilita");
const QString ChiaveSimmetria = QStringLiteral("Riempimento/Simmetria");
constexpr int PannelloRiempibilita = 9;
// Panel 9 is narrow at design; while it speaks it takes the room of its text.
constexpr int LarghezzaPannello = 1, LarghezzaPannelloAttivo = 5;

const QColor Nero(0, 0, 0);
const QColor Rosso(255, 0, 0);
const QColor RossoChiaro(255, 185, 185);
const QColor Grigio(128, 128, 128);

// The hover text of the grid's cells while the overlay is shown.
class FiltroSuggerimenti : public QObject {
 public:
  FiltroSuggerimenti(Form0g& f, PictureBox* peri) : QObject(peri), f_(f), peri_(peri) {}

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (o != peri_ || e->type() != QEvent::ToolTip || !f_.MostraRiempibilita->isChecked()) return false;
    const auto* h = static_cast<QHelpEvent*>(e);
    const double x = peri_->width() > 1 ? h->pos().x() * peri_->scaleWidth() / (peri_->width() - 1) : 0;
    const double y = peri_->height() > 1 ? h->pos().y() * peri_->scaleHeight() / (peri_->height() - 1) : 0;
    const QString t = f_.suggerimentoCella(static_cast<int>(y), static_cast<int>(x));
    if (t.isEmpty())
      QToolTip::hideText();
    else
      QToolTip::showText(h->globalPos(), t, peri_);
    return true;
  }

 private:
  Form0g& f_;
  PictureBox* peri_;
};

}  // namespace

void Form0g::vociRiempibilita() {
  riempibilita_ = std::make_unique<StatoRiempibilita>();
  if (menuRiempimento == nullptr) menuRiempimento = menuBar()->addMenu(testi::MenuRiempimento);
  QMenu* menu = menuRiempimento;
  if (!menu->isEmpty()) menu->addSeparator();
  MostraRiempibilita = menu->addAction(testi::MostraRiempibilita);
  MostraRiempibilita->setCheckable(true);
  MostraRiempibilita->setChecked(env_.impostazione(ChiaveMostra, false).toBool());
  VerificaSchema = menu->addAction(testi::VerificaSchema);
  QMenu* simmetria = menu->addMenu(testi::Simmetria);
  auto* gruppo = new QActionGroup(simmetria);
  const int scelta = std::clamp(env_.impostazione(ChiaveSimmetria, 0).toInt(), 0, 3);
  for (int k = 0; k < 4; ++k) {
    QAction* a = simmetria->addAction(testi::VociSimmetria[k]);
    a->setCheckable(true);
    gruppo->addAction(a);
    SimmetriaVoci[static_cast<std::size_t>(k)] = a;
    connect(a, &QAction::triggered, this, [this, k] { Simmetria_Click(k); });
  }
  SimmetriaVoci[static_cast<std::size_t>(scelta)]->setChecked(true);
  riempibilita_->simmetria = static_cast<Simmetria>(scelta);
  connect(MostraRiempibilita, &QAction::triggered, this, [this] {
    MostraRiempibilita->setChecked(!MostraRiempibilita->isChecked());
    MostraRiempibilita_Click();
  });
  connect(VerificaSchema, &QAction::triggered, this, &Form0g::VerificaSchema_Click);
}

void Form0g::MostraRiempibilita_Click() {
  if (Occupato > 0) return;
  MostraRiempibilita->setChecked(!MostraRiempibilita->isChecked());
  env_.salvaImpostazione(ChiaveMostra, MostraRiempibilita->isChecked());
  if (!MostraRiempibilita->isChecked()) {
    Stb1->setText(PannelloRiempibilita, QString());
    Stb1->setToolTip(PannelloRiempibilita, QString());
    Stb1->setStretch(PannelloRiempibilita, LarghezzaPannello);
  }
  rinfresca();
}

void Form0g::Simmetria_Click(int tipo) {
  SimmetriaVoci[static_cast<std::size_t>(tipo)]->setChecked(true);
  riempibilita_->simmetria = static_cast<Simmetria>(tipo);
  env_.salvaImpostazione(ChiaveSimmetria, tipo);
}

int Form0g::dizionariAttivi() const {
  int m = 0;
  for (int k = 1; k <= 6; ++k)
    if (Stb1->isEnabled(k + 10) && !Archivio.slot[static_cast<std::size_t>(k)].vuoto()) m |= 1 << k;
  return m;
}

std::vector<FonteLessico> Form0g::fontiLessico(int maschera) const {
  std::vector<FonteLessico> fonti;
  for (int k = 1; k <= 6; ++k) {
    if ((maschera >> k & 1) == 0) continue;
    const Dizionario& diz = Archivio.slot[static_cast<std::size_t>(k)];
    fonti.push_back({&diz, &IndiciRicerca[static_cast<std::size_t>(k)], tipoDizionario(k, diz.nome), k == 1});
  }
  return fonti;
}

bool Form0g::preparaLessico() {
  StatoRiempibilita& st = *riempibilita_;
  const int m = dizionariAttivi();
  if (st.lessico && st.mascheraLessico == m) return true;
  // The running analysis still reads the old one.
  if (st.inCorso) return false;
  st.lessico.reset();
  if ((m & 2) == 0) return false;  // the dictionaries are not loaded yet
  const std::vector<FonteLessico> fonti = fontiLessico(m);
  ListePunteggi liste = leggiListePunteggi(CartellaProg.toStdString());
  // Every word of the dictionaries is a candidate; the excluded ones only
  // score 0 in the report.
  st.escluse = std::move(liste.escluse);
  liste.escluse.clear();
  std::sort(st.escluse.begin(), st.escluse.end());
  st.lessico = std::make_unique<Lessico>(costruisciLessico(fonti, liste));
  st.mascheraLessico = m;
  return true;
}

void Form0g::dizionariCambiati() {
  if (!riempibilita_) return;
  if (riempibilita_->inCorso) riempibilita_->superata = true;
  // A search walking the dictionaries keeps its highlight; the next redraw
  // shows the new state.
  if (Occupato > 0 || !schema.esiste()) return;
  if (MostraRiempibilita->isChecked())
    rinfresca();
  else
    aggiornaVerifica(false);
}

void Form0g::analisiSincrona() {
  StatoRiempibilita& st = *riempibilita_;
  QElapsedTimer t;
  t.start();
  Cedi cedi([&] { return t.elapsed() >= st.budgetMs; });
  std::optional<Riempibilita> a = analizzaRiempibilita(*st.lessico, schema, cedi);
  if (!a) {
    st.differire = true;
    programmaAnalisi();
    return;
  }
  st.analisi = std::move(a);
  st.griglia = schema.Griglia;
  st.maschera = st.mascheraLessico;
}

void Form0g::programmaAnalisi() {
  if (riempibilita_->programmata) return;
  riempibilita_->programmata = true;
  QTimer::singleShot(0, this, &Form0g::analisiDifferita);
}

void Form0g::analisiDifferita() {
  StatoRiempibilita& st = *riempibilita_;
  st.programmata = false;
  if (st.inCorso) return;
  if (Occupato > 0) {
    // After the search: its yields are not ours to nest in.
    st.programmata = true;
    QTimer::singleShot(50, this, &Form0g::analisiDifferita);
    return;
  }
  for (;;) {
    if (!MostraRiempibilita->isChecked() || !schema.esiste() || !preparaLessico()) return;
    if (st.analisi && st.griglia == schema.Griglia && st.maschera == st.mascheraLessico) break;
    const Schema copia = schema;
    st.superata = false;
    st.inCorso = true;
    QElapsedTimer tutto;
    tutto.start();
    qint64 ceduti = 0;
    Cedi cedi([&] {
      QElapsedTimer y;
      y.start();
      env_.yieldNow();
      ceduti += y.elapsed();
      return st.superata;
    });
    std::optional<Riempibilita> a = analizzaRiempibilita(*st.lessico, copia, cedi);
    st.inCorso = false;
    if (!a || st.superata) continue;
    st.differire = tutto.elapsed() - ceduti >= st.budgetMs;
    st.analisi = std::move(a);
    st.griglia = copia.Griglia;
    st.maschera = st.mascheraLessico;
  }
  // The grid on screen was drawn without the overlay: it goes on top.
  disegnaRiempibilita();
}

void Form0g::disegnaRiempibilita() {
  if (!riempibilita_) return;
  StatoRiempibilita& st = *riempibilita_;
  aggiornaVerifica(false);
  if (!MostraRiempibilita->isChecked() || !schema.esiste()) return;
  const bool attuale = st.analisi && st.griglia == schema.Griglia && st.maschera == dizionariAttivi();
  if (!attuale) {
    st.analisi.reset();
    if (st.inCorso)
      st.superata = true;
    else if (preparaLessico())
      st.differire ? programmaAnalisi() : analisiSincrona();
  }
  if (!st.analisi) {
    Stb1->setText(PannelloRiempibilita, QString());
    Stb1->setToolTip(PannelloRiempibilita, QString());
    return;
  }
  const Riempibilita& a = *st.analisi;
  Stb1->setText(PannelloRiempibilita, daUtf8(testoStatoRiempibilita(a)));
  Stb1->setToolTip(PannelloRiempibilita, daUtf8(testoConflitto(a)));
  Stb1->setStretch(PannelloRiempibilita, LarghezzaPannelloAttivo);
  if (!st.suggerimenti) {
    Peri->installEventFilter(new FiltroSuggerimenti(*this, Peri));
    st.suggerimenti = true;
  }

  // Dead cells: light red, their letter and number drawn again on top.
  const std::vector<int> numeri = schema.numeri();
  for (int i = 0; i < schema.Righe; ++i)
    for (int j = 0; j < schema.Colonne; ++j) {
      if (!a.mortaIn(i, j)) continue;
      Peri->box(j + 0.1, i + 0.1, j + 0.9, i + 0.9, RossoChiaro, true);
      const char ch = schema.cella(i, j);
      Peri->setFontSize(vista.FontLettere);
      Peri->setForeColor(Nero);
      if (ch != CellaVuota) Peri->print(j + vista.OffX, i + vista.OffY, QString(QLatin1Char(ch)));
      const int n = numeri[static_cast<std::size_t>(i * schema.Colonne + j)];
      if (n > 0 && Numerare->isChecked()) {
        Peri->setFontSize(vista.FontNumeri);
        Peri->setForeColor(Rosso);
        Peri->print(j + vista.NumOffX, i + vista.NumOffY, QString::number(n));
      }
    }
  // Blocking runs: a red frame inside the cells, apart from the highlight's.
  for (std::size_t k = 0; k < a.mappa.percorsi.size(); ++k) {
    if (a.bloccante[k] == 0) continue;
    const Percorso& p = a.mappa.percorsi[k];
    const int r2 = p.rigaDi(p.lunghezza - 1), c2 = p.colDi(p.lunghezza - 1);
    for (const double d : {0.12, 0.14}) Peri->box(p.col + d, p.riga + d, c2 + 1 - d, r2 + 1 - d, Rosso, false);
  }
  // Forced letters: small and grey, low in the empty cell (not under the
  // letters of a fill proposal).
  Peri->setFontSize(vista.FontNumeri + 1);
  Peri->setForeColor(Grigio);
  for (int i = 0; i < schema.Righe && Riempimento.proposta.empty(); ++i)
    for (int j = 0; j < schema.Colonne; ++j)
      if (const char f = a.forzataIn(i, j)) Peri->print(j + 0.58, i + 0.5, QString(QLatin1Char(f)));
  Peri->setFontSize(vista.FontLettere);
  Peri->setForeColor(Nero);
}

QString Form0g::suggerimentoCella(int r, int c) const {
  const StatoRiempibilita& st = *riempibilita_;
  if (!MostraRiempibilita->isChecked() || !st.analisi || !schema.dentro(r, c) || st.griglia != schema.Griglia)
    return {};
  return daUtf8(testoCellaRiempibilita(*st.analisi, r, c));
}

void Form0g::VerificaSchema_Click() {
  if (Occupato > 0) return;
  if (!schema.esiste()) {
    env_.beep();
    return;
  }
  StatoRiempibilita& st = *riempibilita_;
  if (!st.verifica) st.verifica = new FormVerifica(*this);
  st.verifica->show();
  aggiornaVerifica(true);
  st.verifica->raise();
  st.verifica->activateWindow();
}

void Form0g::aggiornaVerifica(bool subito) {
  StatoRiempibilita& st = *riempibilita_;
  if (!st.verifica || !st.verifica->isVisible() || st.inCorso) return;
  const int m = dizionariAttivi();
  if (!subito && st.grigliaVerifica == schema.Griglia && st.mascheraVerifica == m) return;
  const Lessico* lessico = preparaLessico() ? st.lessico.get() : nullptr;
  st.verifica->mostra(verificaSchema(schema, lessico, st.escluse));
  st.grigliaVerifica = schema.Griglia;
  st.mascheraVerifica = m;
}

void Form0g::Verifica_Click(int riga) {
  StatoRiempibilita& st = *riempibilita_;
  if (Occupato > 0 || !schema.esiste() || !st.verifica || riga < 0 ||
      riga >= static_cast<int>(st.verifica->righe().size()))
    return;
  const std::vector<Area>& aree = st.verifica->righe()[static_cast<std::size_t>(riga)].selezione;
  if (aree.empty()) return;
  rinfresca();
  for (const Area& a : aree) {
    if (!schema.dentro(a.riga2, a.col2)) continue;
    EvidCol = a.col1;
    EvidRiga = a.riga1;
    EvidLarg = a.col2 - a.col1 + 1;
    EvidAlt = a.riga2 - a.riga1 + 1;
    evidenzia();
  }
}

void Form0g::aggiorSimmetrica() {
  if (eNera(CarCella) == eNera(NuovoCar)) return;
  const std::optional<CellaSimmetrica> m =
      cellaSimmetrica(riempibilita_->simmetria, schema.Righe, schema.Colonne, RigaCorr, ColCorr);
  if (!m || eNera(schema.cella(m->riga, m->col)) == eNera(NuovoCar)) return;
  // Recorded in the group the click opened: one undo takes both back.
  const std::int16_t r = RigaCorr, c = ColCorr;
  RigaCorr = static_cast<std::int16_t>(m->riga);
  ColCorr = static_cast<std::int16_t>(m->col);
  aggior();
  RigaCorr = r;
  ColCorr = c;
}

}  // namespace tessaro
