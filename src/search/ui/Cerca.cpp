// The word search of the window: cerca answers the request in the result
// list with the status texts, the hourglass and the interrupt, and the four
// free-length buttons relax the request and search again.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/Form0g.h"
#include "platform/Environment.h"
#include "platform/ListBox.h"
#include "platform/PictureBox.h"
#include "platform/StatusBar.h"
#include "platform/Testi.h"
#include "search/LunghezzaLibera.h"
#include "search/Ricerca.h"
#include "search/Richiesta.h"

namespace tessaro {

namespace {
const QColor Verde(0, 255, 0);
}  // namespace

void Form0g::cerca() {
  Stb1->setText(2, daUtf8(TestoRicercaInCorso));
  Stb1->setText(3, QStringLiteral(" "));
  Stb1->setText(4, QStringLiteral(" "));
  NumSuggerimentiParola = 0;
  Stb1->setToolTip(2, QString());
  Lists->Clear();
  if (richiestaErrata(Richiesta)) {
    Stb1->setText(2, QStringLiteral(" "));
    Stb1->setText(3, daUtf8(TestoRichiestaErrata));
    env_.beep();
    Lists->Clear();
    Lists->setToolTip(QString());
    return;
  }
  Peri->setMousePointer(PictureBox::Clessidra);
  Lists->setMousePointer(11);
  Stb1->setText(3, daUtf8(TestoAttendere));

  const std::size_t limite = Estesa->isChecked() ? SenzaLimite : LimiteRisultati;
  const RichiestaRicerca q{Richiesta, RichiestaMax, TestaLibera.size(), CodaLibera.size()};
  Cedi cedi([this] {
    env_.yieldNow();
    return Interrompi > 0;
  });
  std::size_t trovate = 0;
  for (int k = 1; k <= 6; ++k) {
    // Read when the walk gets here: a dictionary switched on or off during
    // the search counts for the slots still to visit.
    if (!Stb1->isEnabled(k + 10)) continue;
    const Dizionario& diz = Archivio.slot[static_cast<std::size_t>(k)];
    if (diz.vuoto()) continue;
    Occupato = 2;
    const DizAttivo attivo{k, &diz, &IndiciRicerca[static_cast<std::size_t>(k)]};
    const std::size_t resto = limite == SenzaLimite ? SenzaLimite : limite - trovate;
    const RisultatoRicerca r = cercaVoci(q, std::span(&attivo, 1), resto, cedi);
    QStringList righe;
    righe.reserve(static_cast<qsizetype>(r.righe.size()));
    for (const std::string& s : r.righe) righe.append(daByte(s));
    Lists->addItems(righe);
    trovate += r.righe.size();
    if (r.interrotta || Interrompi > 0) break;
    if (limite != SenzaLimite && trovate >= limite) break;
  }

  NumRisultati = Lists->ListCount();
  if (NumRisultati > 0) {
    Stb1->setText(2, QStringLiteral(" =%1 ").arg(NumRisultati));
    Stb1->setText(3, QStringLiteral(" "));
    Stb1->setText(4, QStringLiteral(" "));
  } else {
    Stb1->setText(2, daUtf8(TestoNessuno));
    Stb1->setText(3, QStringLiteral(" "));
    env_.beep();
  }
  if (Interrompi > 0) {
    Stb1->setText(3, daUtf8(TestoInterruzione));
    Stb1->setText(4, QStringLiteral(" "));
  }
  Peri->setMouseIcon(ImageA);
  Peri->setMousePointer(PictureBox::Personalizzato);
  Lists->setMousePointer(0);
  Occupato = 0;

  // A request ending in an empty cell that found nothing tries once more
  // with a free tail, when "Lunghezza Libera" allows it. The retry frees the
  // tail of the whole run; when that run cannot take one (a dragged part
  // ending in an empty cell of a run that ends in a letter, or a request
  // whose head is already free) there is nothing to retry, and the request
  // stays the one shown instead of being refused behind the user's back.
  const auto codaLiberabile = [this] {
    StatoRichiesta s = statoRichiesta();
    s.Richiesta = RichiestaIntera;
    return liberaCoda(s).nuovo.has_value();
  };
  if (serveRitento(Accorcia->isChecked(), Interrompi > 0, NumRisultati, Richiesta) && codaLiberabile()) {
    RichiestaRitento = RichiestaIntera;
    Richiesta = RichiestaIntera;
    Ritento = 1;
    liberaCodaAutomatica();
    return;
  }
  if (Ritento == 1) {
    RichiestaMax = RichiestaRitento;
    Ritento = 0;
  }
  Interrompi = 0;
}

// The automatic retry of cerca: the "Libera CODA" action.
void Form0g::liberaCodaAutomatica() { Command4_Click(); }

StatoRichiesta Form0g::statoRichiesta() const {
  StatoRichiesta s;
  s.Richiesta = Richiesta;
  s.RichiestaMax = RichiestaMax;
  s.RichiestaIntera = RichiestaIntera;
  s.TestaLibera = TestaLibera;
  s.CodaLibera = CodaLibera;
  s.PrimaCol = PrimaCol;
  s.UltimaCol = UltimaCol;
  s.PrimaRiga = PrimaRiga;
  s.UltimaRiga = UltimaRiga;
  s.Evid = {EvidCol, EvidRiga, EvidLarg, EvidAlt};
  s.colonna = Modo == 2;
  return s;
}

void Form0g::eseguiComandoLibero(EsitoComando (*comando)(const StatoRichiesta&)) {
  if (Occupato > 0) return;
  const EsitoComando e = comando(statoRichiesta());
  if (!e.pannello2.empty()) {
    Stb1->setText(2, daUtf8(e.pannello2));
    Stb1->setText(3, QStringLiteral(" "));
  }
  if (!e.rifiuto.empty() || !e.nuovo) {
    Stb1->setText(3, daUtf8(e.rifiuto));
    env_.beep();
    return;
  }
  const StatoRichiesta& n = *e.nuovo;
  Richiesta = n.Richiesta;
  RichiestaMax = n.RichiestaMax;
  RichiestaIntera = n.RichiestaIntera;
  TestaLibera = n.TestaLibera;
  CodaLibera = n.CodaLibera;
  PrimaCol = static_cast<std::int16_t>(n.PrimaCol);
  UltimaCol = static_cast<std::int16_t>(n.UltimaCol);
  PrimaRiga = static_cast<std::int16_t>(n.PrimaRiga);
  UltimaRiga = static_cast<std::int16_t>(n.UltimaRiga);
  EvidCol = n.Evid.col;
  EvidRiga = n.Evid.riga;
  EvidLarg = n.Evid.larg;
  EvidAlt = n.Evid.alt;
  texta->setText(daByte(Richiesta));
  textb->setText(QString());
  rinfresca();
  evidenzia();
  if (e.verde) {
    const RiquadroCelle& v = *e.verde;
    Peri->box(v.col + 0.05, v.riga + 0.05, v.col + v.larg - 0.05, v.riga + v.alt - 0.05, Verde, false);
  }
  cerca();
}

void Form0g::Command1_Click() { eseguiComandoLibero(&liberaInizio); }
void Form0g::Command2_Click() { eseguiComandoLibero(&accorciaInizio); }
void Form0g::Command3_Click() { eseguiComandoLibero(&accorciaCoda); }
void Form0g::Command4_Click() { eseguiComandoLibero(&liberaCoda); }

}  // namespace tessaro
