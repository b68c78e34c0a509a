// The window's side of the change history: every cell change goes through
// aggior; "a7" and "a8" undo and redo one group at a time and highlight the
// cells they changed.
#include "app/Form0g.h"
#include "platform/Environment.h"
#include "platform/StatusBar.h"
#include "platform/ToolBar.h"
#include "platform/Testi.h"

namespace tessaro {

namespace {
void applica(ToolBar* t, const QString& key, StatoPulsante s) {
  if (s == StatoPulsante::Abilita) t->setEnabled(key, true);
  if (s == StatoPulsante::Disabilita) t->setEnabled(key, false);
}
}  // namespace

void Form0g::aggior() {
  scartaProposta();
  const EsitoAggior e = storia.aggior(schema, RigaCorr, ColCorr, NuovoCar);
  if (e.azzerata) avvisaStoriaAzzerata();
  if (e.segnaModifica) {
    Tlb1->setEnabled(QStringLiteral("a7"), true);
    Modificato = 1;
  }
}

void Form0g::evidenziaCasella() {
  EvidCol = ColCorr;
  EvidRiga = RigaCorr;
  EvidLarg = 1;
  EvidAlt = 1;
  evidenzia();
}

// Shows the outcome of an undo or a redo: the redraw, the changed cells
// highlighted in the order they changed, the buttons and the panels.
bool Form0g::mostraPasso(const EsitoPasso& e) {
  Toccate = e.toccate;
  rinfresca();
  if (!e.riuscito) {
    env_.msgBox(this, daUtf8(MsgAnomaliaStoria), msg::OK, daUtf8(TitoloAnomaliaStoria));
    return false;
  }
  if (e.corrente) {
    RigaCorr = static_cast<std::int16_t>(e.corrente->riga);
    ColCorr = static_cast<std::int16_t>(e.corrente->colonna);
  }
  for (const Casella& c : Toccate) {
    EvidCol = c.colonna;
    EvidRiga = c.riga;
    EvidLarg = EvidAlt = 1;
    evidenzia();
  }
  applica(Tlb1, QStringLiteral("a7"), e.a7);
  applica(Tlb1, QStringLiteral("a8"), e.a8);
  Stb1->setText(2, daUtf8(e.pannello2));
  Stb1->setText(3, daUtf8(PannelloVuoto));
  Stb1->setText(4, daUtf8(PannelloVuoto));
  return true;
}

// Undo and redo change the grid on screen, which then differs from the file:
// like any other change it must be saved, or asked about before it is lost.
bool Form0g::annulla() {
  Toccate.clear();
  Trasferito = false;
  const EsitoPasso e = storia.annulla(schema);
  if (!e.toccate.empty()) Modificato = 1;
  return mostraPasso(e);
}

void Form0g::ripristina() {
  Toccate.clear();
  Trasferito = false;
  const EsitoPasso e = storia.ripristina(schema);
  if (!e.toccate.empty()) Modificato = 1;
  mostraPasso(e);
}

}  // namespace tessaro
