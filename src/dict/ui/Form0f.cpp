#include "dict/ui/Form0f.h"

#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>

#include "app/Form0g.h"
#include "dict/CaricaDizionari.h"
#include "dict/Testo1252.h"
#include "platform/Environment.h"
#include "platform/Testi.h"

namespace tessaro {

void ModelloVisore::imposta(const RigheLista* righe) {
  beginResetModel();
  righe_ = righe;
  endResetModel();
}

int ModelloVisore::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !righe_ ? 0 : static_cast<int>(righe_->size());
}

QString ModelloVisore::riga(int i) const {
  if (!righe_ || i < 0 || i >= rowCount()) return {};
  return daUtf8(daWindows1252((*righe_)[static_cast<std::size_t>(i)]));
}

QVariant ModelloVisore::data(const QModelIndex& i, int role) const {
  if (role != Qt::DisplayRole || !i.isValid()) return {};
  return riga(i.row());
}

Form0f::Form0f(Form0g& principale) : QDialog(&principale), f_(principale) {
  setObjectName(QStringLiteral("Form0f"));
  setWindowTitle(QStringLiteral("  VERIFICA  DEI  DIZIONARI  PERSONALIZZATI"));
  setModal(true);
  Label1 = new QLabel(this);
  Label2 = new QLabel(QStringLiteral("I Dizionari devono stare nella stessa Cartella del Programma"), this);
  List1 = new QListWidget(this);
  List1->setMaximumHeight(130);
  List2 = new QListView(this);
  List3 = new QListView(this);
  for (QListView* l : {List2, List3}) {
    l->setUniformItemSizes(true);
    l->setEditTriggers(QAbstractItemView::NoEditTriggers);
    l->setMinimumSize(320, 360);
  }
  List2->setModel(&modello2_);
  List3->setModel(&modello3_);
  Label3 = new QLabel(this);
  Label4 = new QLabel(QStringLiteral("Cerca  "), this);
  Text1 = new QLineEdit(this);
  Command2 = new QPushButton(QStringLiteral("M-Z=>"), this);
  Command1 = new QPushButton(QStringLiteral("Esci"), this);
  Command1->setAutoDefault(false);
  Command2->setAutoDefault(false);

  auto* g = new QGridLayout(this);
  g->addWidget(Label1, 0, 0, 1, 3);
  g->addWidget(Label2, 1, 0, 1, 3);
  g->addWidget(List1, 2, 0, 1, 3);
  // List3 lies over List2: showing it shows the second half of the base.
  g->addWidget(List2, 3, 0, 1, 3);
  g->addWidget(List3, 3, 0, 1, 3);
  g->addWidget(Label3, 4, 0, 1, 3);
  g->addWidget(Label4, 5, 0);
  g->addWidget(Text1, 5, 1);
  g->addWidget(Command2, 5, 2);
  g->addWidget(Command1, 6, 2);

  // A choice made with the mouse or with the arrow keys fills the lists.
  connect(List1, &QListWidget::itemSelectionChanged, this, [this] { List1_Click(); });
  connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
  connect(List2, &QListView::doubleClicked, this, [this] { List2_DblClick(); });
  connect(List3, &QListView::doubleClicked, this, [this] { List3_DblClick(); });
  connect(Command2, &QPushButton::clicked, this, &Form0f::Command2_Click);
  connect(Command1, &QPushButton::clicked, this, &Form0f::Command1_Click);
  List2->hide();
  List3->hide();
  Command2->hide();
}

void Form0f::Form_Load() {
  Label1->setText(QStringLiteral("Cartella dei Dizionari =  ") + f_.CartellaProg);
  List1->clear();
  for (int k = 1; k <= 6; ++k) {
    const Dizionario& d = f_.Archivio.slot[static_cast<std::size_t>(k)];
    if (d.vuoto()) break;
    // The name is a file name, in the file system's encoding.
    List1->addItem(QFile::decodeName(QByteArray::fromStdString(didascaliaVisore(k, d.nome))));
  }
}

void Form0f::List1_Click() {
  const int k = List1->currentRow() + 1;
  if (k < 1 || k > 6) return;
  Command2->hide();
  List1->setEnabled(false);
  Label3->setText(daUtf8(testoTotaleVoci(0)));
  modello2_.imposta(nullptr);
  modello3_.imposta(nullptr);
  List2->hide();
  List3->hide();
  slot_ = k;
  // The count grows on screen while the entries are read.
  ContenutoVisore nuovo;
  Cedi cedi([this, &nuovo] {
    Label3->setText(daUtf8(testoTotaleVoci(nuovo.conteggio)));
    f_.env().yieldNow();
    return false;
  });
  riempiVisore(f_.Archivio.slot[static_cast<std::size_t>(k)], k, cedi, nuovo);
  contenuto_ = std::move(nuovo);
  modello2_.imposta(&contenuto_.List2);
  modello3_.imposta(&contenuto_.List3);
  Label3->setText(daUtf8(testoTotaleVoci(contenuto_.conteggio)));
  if (contenuto_.mostraCommand2) Command2->show();
  List2->show();
  List1->setEnabled(true);
  Text1_Change();
}

void Form0f::seleziona(QListView* lista, int riga) {
  auto* m = lista->model();
  if (riga < 0 || riga >= m->rowCount()) return;
  const QModelIndex i = m->index(riga, 0);
  lista->setCurrentIndex(i);
  lista->scrollTo(i, QAbstractItemView::PositionAtTop);
}

void Form0f::Text1_Change() {
  if (slot_ == 0) return;
  // Upper-cased here, where accented letters are known too ("città" finds
  // CITTÀ in a plain dictionary).
  const PosizioneVisore p =
      posizionaVisore(contenuto_, slot_, aWindows1252(Text1->text().toUpper().toStdString()));
  if (p.nessunCambio) return;
  if (slot_ == 1) {
    List3->setVisible(p.mostraList3);
    Command2->setText(daUtf8(p.mostraList3 ? DidascaliaIndietro : DidascaliaAvanti));
  }
  seleziona(List3->isVisible() ? List3 : List2, p.riga);
}

void Form0f::List2_DblClick() { Text1->setText(riga(List2, selezionata(List2))); }
void Form0f::List3_DblClick() { Text1->setText(riga(List3, selezionata(List3))); }

void Form0f::Command2_Click() {
  Text1->setText(daUtf8(testoCommand2(List3->isVisible())));
}

void Form0f::Command1_Click() { accept(); }

int Form0f::selezionata(const QListView* lista) const {
  const QModelIndex i = lista->currentIndex();
  return i.isValid() ? i.row() : -1;
}

QString Form0f::riga(const QListView* lista, int i) const {
  return lista == List3 ? modello3_.riga(i) : modello2_.riga(i);
}

int Form0f::righe(const QListView* lista) const { return lista->model()->rowCount(); }

void Form0g::Indirdiz_Click() {
  Form0f viewer(*this);
  viewer.Form_Load();
  env_.mostraModale(viewer);
}

}  // namespace tessaro
