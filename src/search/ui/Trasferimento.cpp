// A click on a result: the word goes into the TEST field and, when the list
// came from the grid, into its row or column run or its crossing cell, as one
// undo group; a second click takes the first word back before writing.
#include <QLineEdit>
#include <QPushButton>

#include "app/Form0g.h"
#include "platform/ListBox.h"
#include "platform/StatusBar.h"
#include "search/Trasferimento.h"

namespace tessaro {

void Form0g::Lists_Click() {
  if (Occupato > 0) return;
  const int i = Lists->ListIndex();
  if (i < 0) return;
  const QByteArray testo = Lists->List(i).toLatin1();
  const std::optional<std::string> ridotta = riduciScelta(Modo, std::string_view(testo.data(), static_cast<std::size_t>(testo.size())));
  if (!ridotta) return;
  Scelta = *ridotta;
  Prepara();
  if (Scelta.empty()) return;
  ColCorr = static_cast<std::int16_t>(EvidCol);
  RigaCorr = static_cast<std::int16_t>(EvidRiga);
  textb->setText(QString::fromLatin1(Scelta.data(), static_cast<qsizetype>(Scelta.size())));
  if (Modo != ListaRiga && Modo != ListaColonna && Modo != ListaIncrocio) return;

  const PianoTrasferimento piano = pianoTrasferimento(Modo, Scelta, PrimaCol, PrimaRiga, RigaCorr, ColCorr);
  const std::int16_t primaDellaScrittura = storia.NumStoria;
  for (const ScritturaCella& s : piano.scritture) {
    RigaCorr = static_cast<std::int16_t>(s.riga);
    ColCorr = static_cast<std::int16_t>(s.col);
    NuovoCar = s.car;
    aggior();
  }
  rinfresca();
  EvidCol = piano.evid.col;
  EvidRiga = piano.evid.riga;
  EvidLarg = piano.evid.larg;
  EvidAlt = piano.evid.alt;
  evidenzia();
  // Only a transfer that changed cells left a group to take back. A word
  // already standing in the grid (a blank of a two-part word on the empty
  // cell) records nothing, and the next choice must then not take back the
  // user's earlier, unrelated change.
  Trasferito = storia.NumStoria != primaDellaScrittura;
  for (QPushButton* b : {Command1, Command2, Command3, Command4}) b->setEnabled(false);
}

void Form0g::Prepara() {
  Stb1->setText(3, QString());
  Scelta = ruotaVocali(Scelta, Ruota_);
  if (Trasferito && (Modo == ListaRiga || Modo == ListaColonna || Modo == ListaIncrocio)) {
    // Takes back exactly the cells the previous transfer changed.
    Toccate.clear();
    Stb1->setText(3, QStringLiteral(" "));
    Toccate = storia.annullaGruppo(schema, false).toccate;
  }
  storia.apriGruppo();
}

}  // namespace tessaro
