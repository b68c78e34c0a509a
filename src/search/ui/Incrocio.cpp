// The crossing tool: a click on an empty cell where a row and a column cross
// lists every letter for which both runs can still be completed.
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
#include "search/Incrocio.h"
#include "search/Richiesta.h"

namespace tessaro {

void Form0g::richiestaIncrocio() {
  const int r = RigaCorr, c = ColCorr;
  Stb1->setText(1, daUtf8(SoloVocali == 1 ? TestoIncrocioVocali : TestoIncrocioCompleto));
  const ModelliIncrocio modelli = costruisciModelli(schema.Griglia, schema.Righe, schema.Colonne, r, c);
  if (modelli.esito == EsitoModelli::CasellaPiena) {
    Stb1->setText(2, QStringLiteral(" "));
    Stb1->setText(3, daUtf8(TestoRichiestaErrata));
    env_.beep();
    return;
  }
  EvidCol = c;
  EvidRiga = r;
  EvidLarg = EvidAlt = 1;
  rinfresca();
  evidenzia();
  PrimaCol = static_cast<std::int16_t>(modelli.PrimaCol);
  UltimaCol = static_cast<std::int16_t>(modelli.UltimaCol);
  PrimaRiga = static_cast<std::int16_t>(modelli.PrimaRiga);
  UltimaRiga = static_cast<std::int16_t>(modelli.UltimaRiga);
  if (modelli.esito == EsitoModelli::ErroreCasella) {
    Stb1->setText(2, QStringLiteral(" "));
    Stb1->setText(3, daUtf8(TestoErroreCasella));
    env_.beep();
    return;
  }

  texta->setText(QString());
  textb->setText(QString());
  Lists->Clear();
  Lists->setToolTip(QString());
  Peri->setMousePointer(PictureBox::Clessidra);
  Lists->setMousePointer(11);
  Stb1->setText(3, QStringLiteral("... attendere "));
  Richiesta = "?";
  texta->setText(QStringLiteral("?"));
  for (QPushButton* b : {Command1, Command2, Command3, Command4}) b->setEnabled(false);
  Stb1->setToolTip(2, QString());

  // Whether a slot is on is read at each visit, as the search does: a
  // dictionary switched during the test counts for what is still to test.
  std::vector<DizAttivo> dizionari;
  for (int k = 1; k <= 6; ++k) {
    const Dizionario& diz = Archivio.slot[static_cast<std::size_t>(k)];
    if (!diz.vuoto())
      dizionari.push_back({k, &diz, &IndiciRicerca[static_cast<std::size_t>(k)],
                           [this, k] { return Stb1->isEnabled(k + 10); }});
  }
  Cedi cedi([this] {
    env_.yieldNow();
    return Interrompi > 0;
  });
  const auto primaDiLettera = [this](char lettera) {
    Occupato = 2;
    Stb1->setToolTip(2, QStringLiteral("Interrompi"));
    Stb1->setText(2, daUtf8(TestoIncrocioLettera) + QLatin1Char(lettera) + QLatin1Char(' '));
    env_.yieldSubito();
  };
  Occupato = 2;
  const RisultatoIncrocio esito =
      incrocio(modelli, SoloVocali == 1, Accorcia->isChecked(), dizionari, cedi, primaDiLettera);
  QStringList voci;
  for (const std::string& v : esito.voci) voci.append(QString::fromLatin1(v.data(), static_cast<qsizetype>(v.size())));
  Lists->addItems(voci);
  const int n = static_cast<int>(voci.size());
  if (Interrompi != 0) {
    Stb1->setText(2, QStringLiteral(" =%1 ").arg(n));
    Stb1->setText(3, daUtf8(TestoInterruzioneIncrocio));
  } else if (n > 0) {
    Stb1->setText(2, QStringLiteral(" =%1 ").arg(n));
    Stb1->setText(3, QStringLiteral(" "));
  } else {
    Stb1->setText(2, daUtf8(TestoNessuno));
    Stb1->setText(3, QStringLiteral(" "));
    env_.beep();
  }
  if (n > 0) Lists->setToolTip(daUtf8(SuggerimentoIncrocio));
  Occupato = 0;
  Interrompi = 0;
  Peri->setMousePointer(PictureBox::Predefinito);
  Lists->setMousePointer(0);
}

}  // namespace tessaro
