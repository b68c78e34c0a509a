// A left click on the grid: it resets the result area, records where it
// happened and acts on the current cell by the tool mode: blacken or whiten,
// empty, place the typing cursor, search the row or column run through the
// cell (or the dragged part of it), or try the letters of a crossing.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/Form0g.h"
#include "platform/Environment.h"
#include "platform/ListBox.h"
#include "platform/StatusBar.h"

namespace tessaro {

namespace testi {
inline const QString Annerita = QStringLiteral(" annerita ");
inline const QString Sbiancata = QStringLiteral(" sbiancata ");
inline const QString Ripulita = QStringLiteral(" ripulita ");
inline const QString GiaVuota = QStringLiteral(" è già vuota! ");
inline const QString TrasferisciRiga = QStringLiteral("Click per trasferire a RIGA");
inline const QString TrasferisciColonna = QStringLiteral("Click per trasferire a COLONNA");
}  // namespace testi

void Form0g::Peri_Click() {
  if (Occupato > 0 || !schema.esiste() || areaClick()) return;
  RigaCorr = static_cast<std::int16_t>(std::clamp<int>(RigaCorr, 0, schema.Righe - 1));
  ColCorr = static_cast<std::int16_t>(std::clamp<int>(ColCorr, 0, schema.Colonne - 1));

  // The common part of every click.
  for (int n : {2, 3, 4}) Stb1->setText(n, QStringLiteral(" "));
  Trascinato = SelCol1 != SelCol2 || SelRiga1 != SelRiga2;
  TrascCol = Trascinato ? SelCol1 : 0;
  TrascRiga = Trascinato ? SelRiga1 : 0;
  SelCol1 = 0;
  SelCol2 = schema.Colonne - 1;
  SelRiga1 = 0;
  SelRiga2 = schema.Righe - 1;
  Lists->Clear();
  Lists->setToolTip(QString());
  Stb1->setToolTip(2, QString());
  TestaLibera.clear();
  CodaLibera.clear();
  storia.apriGruppo();
  CarCella = schema.cella(RigaCorr, ColCorr);
  Stb1->setText(4, QStringLiteral(" R%1 C%2  ").arg(RigaCorr + 1).arg(ColCorr + 1));
  Trasferito = false;

  switch (Modo) {
    case 0:
      if (eNera(CarCella)) {
        NuovoCar = CellaVuota;
        Stb1->setText(2, testi::Sbiancata);
      } else {
        NuovoCar = CellaNera;
        Stb1->setText(2, testi::Annerita);
      }
      Stb1->setText(3, QStringLiteral(" "));
      aggior();
      aggiorSimmetrica();
      rinfresca();
      evidenziaCasella();
      return;
    case 1:
    case 2:
      cercaParola(Modo == 1);
      return;
    case 3:
    case 4:
      rinfresca();
      evidenziaCasella();
      return;
    case 5:
      if (CarCella != CellaVuota) {
        NuovoCar = CellaVuota;
        aggior();
        aggiorSimmetrica();
      }
      rinfresca();
      evidenziaCasella();
      if (CarCella == CellaVuota) {
        Stb1->setText(2, QStringLiteral(" "));
        Stb1->setText(3, testi::GiaVuota);
        env_.beep();
      } else {
        Stb1->setText(2, testi::Ripulita);
        Stb1->setText(3, QStringLiteral(" "));
      }
      return;
    case 6:
      richiestaIncrocio();
      return;
    default:
      return;
  }
}

// Modes 1 and 2: the run of non-black cells through the current cell, along
// the row (mode 1) or the column, cut to the dragged part when there was a
// drag, becomes the request, and the search runs.
void Form0g::cercaParola(bool riga) {
  const int r0 = RigaCorr, c0 = ColCorr;
  const int lung = riga ? schema.Colonne : schema.Righe;
  const int pos = riga ? c0 : r0;
  const int limiteTrascina = riga ? TrascCol : TrascRiga;
  const auto cella = [&](int i) { return riga ? schema.cella(r0, i) : schema.cella(i, c0); };
  if (!riga && eNera(CarCella)) return;

  int prima = 0, ultima = lung - 1;
  std::string richiesta;
  for (int i = pos; i < lung; ++i) {
    const char ch = cella(i);
    if (eNera(ch)) {
      ultima = i - 1;
      break;
    }
    richiesta += ch == ' ' ? CellaVuota : ch;
  }
  for (int i = pos - 1; i >= 0; --i) {
    if (i < limiteTrascina) {
      prima = i + 1;
      break;
    }
    const char ch = cella(i);
    if (eNera(ch)) {
      prima = i + 1;
      break;
    }
    richiesta.insert(richiesta.begin(), ch == ' ' ? CellaVuota : ch);
  }
  RichiestaIntera = richiesta;
  const int fineRun = ultima;
  if (Trascinato) {
    // A drag only shortens the run: dragged over a black cell, the run still
    // ends before it, and so do the slot and its highlight.
    ultima = std::min(riga ? UltTrascina.col2 : UltTrascina.riga2, fineRun);
    const long tieni = static_cast<long>(richiesta.size()) - (fineRun - ultima);
    if (tieni >= 0 && tieni < static_cast<long>(richiesta.size())) richiesta.resize(static_cast<std::size_t>(tieni));
  }
  if (riga) {
    PrimaCol = static_cast<std::int16_t>(prima);
    UltimaCol = static_cast<std::int16_t>(ultima);
    EvidCol = prima;
    EvidRiga = r0;
    EvidLarg = ultima - prima + 1;
    EvidAlt = 1;
  } else {
    PrimaRiga = static_cast<std::int16_t>(prima);
    UltimaRiga = static_cast<std::int16_t>(ultima);
    EvidCol = c0;
    EvidRiga = prima;
    EvidLarg = 1;
    EvidAlt = ultima - prima + 1;
  }
  Richiesta = richiesta;
  RichiestaMax = Richiesta;
  texta->setText(QString::fromLatin1(Richiesta.data(), static_cast<qsizetype>(Richiesta.size())));
  for (QPushButton* b : {Command1, Command2, Command3, Command4}) b->setEnabled(true);
  rinfresca();
  evidenzia();
  textb->setText(QString());
  cerca();
  if (Lists->ListCount() > 0) Lists->setToolTip(riga ? testi::TrasferisciRiga : testi::TrasferisciColonna);
}

}  // namespace tessaro
