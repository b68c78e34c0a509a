#include "app/Form0g.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "dict/CartellaScratch.h"
#include "fill/ui/StatoRiempibilita.h"
#include "platform/Environment.h"
#include "platform/Images.h"
#include "platform/Keys.h"
#include "platform/ListBox.h"
#include "platform/PictureBox.h"
#include "platform/StatusBar.h"
#include "platform/ToolBar.h"

namespace tessaro {

namespace {

const QColor Sfondo(255, 255, 128);

struct Bottone {
  const char* key;
  int stile;
  int immagine;
  const char* tooltip;
  int larghezzaTwips;
};

// The toolbar, left to right. Form_Load adds entries 0..6, places Picture1,
// adds the "textb" placeholder and places textb, then adds the rest.
const Bottone Bottoni[] = {
    {"", ToolBar::Separatore, 0, "", 0},
    {"a9", ToolBar::Normale, 1, "Anagrammi di TEST", 0},
    {"a10", ToolBar::Normale, 2, "Sinonimi e Contrari di TEST", 0},
    {"a11", ToolBar::Normale, 3, "Ortografia di TEST", 0},
    {"a12", ToolBar::Normale, 4, "Non disponibile", 0},
    {"", ToolBar::Separatore, 0, "", 0},
    {"picture1", ToolBar::Segnaposto, 0, "", 500},
    {"textb", ToolBar::Segnaposto, 0, "", 2000},
    {"", ToolBar::Segnaposto, 0, "", 700},
    {"a0", ToolBar::Gruppo, 5, "Annerisci o Sbianca Casella", 0},
    {"a3", ToolBar::Gruppo, 6, "Scrivi Riga", 0},
    {"a4", ToolBar::Gruppo, 7, "Scrivi Colonna", 0},
    {"a5", ToolBar::Gruppo, 8, "Pulisci Casella", 0},
    {"a1", ToolBar::Gruppo, 9, "Suggerisci Riga", 0},
    {"a2", ToolBar::Gruppo, 10, "Suggerisci Colonna", 0},
    {"a6", ToolBar::Gruppo, 11, "Suggerisci Incrocio", 0},
    {"", ToolBar::Separatore, 0, "", 0},
    {"a7", ToolBar::Normale, 12, "Annulla ultima azione", 0},
    {"a8", ToolBar::Normale, 13, "Ripristina ultimo Annullamento", 0},
    {"", ToolBar::Separatore, 0, "", 0},
};

}  // namespace

Form0g::Form0g(Environment& env, QWidget* parent) : QMainWindow(parent), env_(env) {
  setObjectName(QStringLiteral("Form0g"));
  area_ = new QWidget(this);
  area_->setAutoFillBackground(true);
  QPalette pal = area_->palette();
  pal.setColor(QPalette::Window, Sfondo);
  area_->setPalette(pal);
  setCentralWidget(area_);
  area_->installEventFilter(this);
  costruisciMenu();
  costruisciControlli();
}

Form0g::~Form0g() {
  if (!cartellaScratch_.empty()) rimuoviCartellaScratch(cartellaScratch_);
}

void Form0g::costruisciMenu() {
  auto voce = [this](QMenu* m, const QString& testo) {
    QAction* a = m->addAction(testo);
    return a;
  };
  menuFile = menuBar()->addMenu(QStringLiteral("File"));
  menuNuovo = voce(menuFile, QStringLiteral("Nuovo..."));
  menuApri = voce(menuFile, QStringLiteral("Apri File..."));
  Salva = voce(menuFile, QStringLiteral("Salva"));
  Salva->setEnabled(false);
  Salvacome = voce(menuFile, QStringLiteral("Salva come..."));
  Salvacome->setEnabled(false);
  menuFile->addSeparator();
  menuEsci = voce(menuFile, QStringLiteral("Esci"));

  menuVisualizza = menuBar()->addMenu(QStringLiteral("Visualizza"));
  Numerare = voce(menuVisualizza, QStringLiteral("Mostra Numeri su Schermo"));
  Numerare->setCheckable(true);
  Numerare->setChecked(true);
  menuVisualizza->addSeparator();
  Riduci = voce(menuVisualizza, QStringLiteral("Riduci l'Area dello Schema                      Ctrl -"));
  Ingrandisci = voce(menuVisualizza, QStringLiteral("Ingrandisci l'Area dello Schema               Ctrl +"));
  Originali = voce(menuVisualizza, QStringLiteral("Dimensioni Originali Area Schema           Ctrl 0"));

  menuStrumenti = menuBar()->addMenu(QStringLiteral("Strumenti"));
  Accorcia = voce(menuStrumenti, QStringLiteral("Lunghezza Libera"));
  Accorcia->setCheckable(true);
  Accorcia->setChecked(true);
  Estesa = voce(menuStrumenti, QStringLiteral("Ricerca Estesa"));
  Estesa->setCheckable(true);
  Estesa->setChecked(true);
  menuStrumenti->addSeparator();
  Dizper = menuStrumenti->addMenu(QStringLiteral("Dizionari"));
  Attivadiz = Dizper->addMenu(QStringLiteral("Attiva/Disattiva"));
  for (int k = 1; k <= 6; ++k) {
    d[static_cast<std::size_t>(k)] = voce(Attivadiz, QStringLiteral("%1-").arg(k));
    d[static_cast<std::size_t>(k)]->setCheckable(true);
  }
  Indirdiz = voce(Dizper, QStringLiteral("Vedi Contenuto..."));
  menuStrumenti->addSeparator();
  FunWord = voce(menuStrumenti, QStringLiteral("Attivazione Funzioni MS Word"));
  FunWord->setCheckable(true);

  costruisciMenuRiempimento();
  menuAiuto = menuBar()->addMenu(QStringLiteral("Aiuto"));
  AiutoF1 = voce(menuAiuto, QStringLiteral("Istruzioni generali"));
  AiutoF1->setShortcut(QKeySequence(Qt::Key_F1));
  costruisciMenuDefinizioni();

  // A checkable item's own toggle is undone: the handlers decide the mark.
  auto collega = [this](QAction* a, void (Form0g::*h)()) {
    connect(a, &QAction::triggered, this, [this, a, h] {
      if (a->isCheckable()) a->setChecked(!a->isChecked());
      (this->*h)();
    });
  };
  collega(menuNuovo, &Form0g::menuNuovo_Click);
  collega(menuApri, &Form0g::menuApri_Click);
  collega(Salva, &Form0g::Salva_Click);
  collega(Salvacome, &Form0g::Salvacome_Click);
  collega(menuEsci, &Form0g::menuEsci_Click);
  collega(AiutoF1, &Form0g::AiutoF1_Click);
  collega(Numerare, &Form0g::Numerare_Click);
  collega(Riduci, &Form0g::Riduci_Click);
  collega(Ingrandisci, &Form0g::Ingrandisci_Click);
  collega(Originali, &Form0g::Originali_Click);
  collega(Accorcia, &Form0g::Accorcia_Click);
  collega(Estesa, &Form0g::Estesa_Click);
  collega(FunWord, &Form0g::FunWord_Click);
  collega(Indirdiz, &Form0g::Indirdiz_Click);
  for (int k = 1; k <= 6; ++k)
    connect(d[static_cast<std::size_t>(k)], &QAction::triggered, this, [this, k] {
      QAction* a = d[static_cast<std::size_t>(k)];
      a->setChecked(!a->isChecked());
      dk_Click(k);
    });
}

void Form0g::costruisciControlli() {
  Tlb1 = new ToolBar(area_);
  Stb1 = new StatusBar(16, area_);
  const char* testoPannello[] = {
      "  BENVENUTO !",
      "  Aprire un CRUCIVERBA dal menu File o usare le funzioni del campo TEST  ",
      "", "", "Diz.  ", "Diz.  ", "Ric.  ", "Ric.  ", "", "", "D1", "D2", "D3", "D4", "D5", "D6"};
  const int peso[] = {10, 10, 5, 3, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2};
  for (int n = 1; n <= 16; ++n) {
    Stb1->setText(n, QString::fromUtf8(testoPannello[n - 1]));
    Stb1->setStretch(n, peso[n - 1]);
  }
  Stb1->setToolTip(5, QStringLiteral("Cambia Lingua"));
  Stb1->setToolTip(6, QStringLiteral("Cambia Lingua"));
  Stb1->setToolTip(7, QStringLiteral("Ricerca Normale/Estesa"));
  Stb1->setToolTip(8, QStringLiteral("Ricerca Normale/Estesa"));
  for (int n = 11; n <= 16; ++n) Stb1->setToolTip(n, QStringLiteral("Attiva/Disattiva"));
  // At design "Ricerca Estesa" is checked, so the extended panel shows.
  Stb1->setVisible(7, false);

  Peri = new PictureBox(area_);
  Peri->setTwipsPerPixel(env_.twipsPerPixel());
  Peri->hide();
  Lists = new ListBox(area_);
  Label3 = new QLabel(QStringLiteral("RISULTATO della RICERCA"), area_);
  Label1 = new QLabel(QStringLiteral("OGGETTO in RICERCA"), area_);
  texta = new QLabel(area_);
  texta->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  texta->setAutoFillBackground(true);
  texta->setTextFormat(Qt::PlainText);
  textb = new QLineEdit(area_);
  textb->setEnabled(false);
  Picture1 = new QLabel(area_);
  Picture1->hide();
  Command1 = new QPushButton(QStringLiteral("Libera INIZIO"), area_);
  Command2 = new QPushButton(QStringLiteral("Accorcia all' INIZIO"), area_);
  Command3 = new QPushButton(QStringLiteral("Accorcia in CODA"), area_);
  Command4 = new QPushButton(QStringLiteral("Libera CODA"), area_);
  for (QPushButton* b : {Command1, Command2, Command3, Command4}) b->setEnabled(false);
  Label0 = new QLabel(testi::AttendereCaricamento, area_);
  SecCar = new QLabel(QStringLiteral("0"), area_);
  SecCar->hide();

  Timer0 = new QTimer(this);
  Timer0->setSingleShot(false);
  connect(Timer0, &QTimer::timeout, this, &Form0g::Timer0_Timer);
  Timer2 = new QTimer(this);
  connect(Timer2, &QTimer::timeout, this, &Form0g::Timer2_Timer);

  ImageV = cursorePredefinito();
  for (int m = 0; m <= 6; ++m) Image1[static_cast<std::size_t>(m)] = cursoreStrumento(m);

  connect(Tlb1, &ToolBar::buttonClick, this, &Form0g::Tlb1_ButtonClick);
  connect(Stb1, &StatusBar::panelClick, this, &Form0g::Stb1_PanelClick);
  connect(Lists, &ListBox::Click, this, &Form0g::Lists_Click);
  connect(Command1, &QPushButton::clicked, this, &Form0g::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Form0g::Command2_Click);
  connect(Command3, &QPushButton::clicked, this, &Form0g::Command3_Click);
  connect(Command4, &QPushButton::clicked, this, &Form0g::Command4_Click);
  connect(Peri, &PictureBox::MouseDown, this, &Form0g::Peri_MouseDown);
  connect(Peri, &PictureBox::MouseMove, this, &Form0g::Peri_MouseMove);
  connect(Peri, &PictureBox::MouseUp, this, &Form0g::Peri_MouseUp);
  connect(Peri, &PictureBox::Click, this, &Form0g::Peri_Click);
  connect(Peri, &PictureBox::KeyDown, this, [this](int k, int s) { Peri_KeyDown(k, s); });
  // Key preview: the window sees every key before the focused control.
  qApp->installEventFilter(this);
}

int Form0g::W() const { return env_.schermoTwips().width(); }
int Form0g::H() const { return env_.schermoTwips().height(); }
int Form0g::twipsInPixel(double twips) const {
  return static_cast<int>(arrotonda(twips / env_.twipsPerPixel()));
}
int Form0g::larghezzaTwips(const QWidget* w) const {
  return static_cast<int>(arrotonda(w->width() * env_.twipsPerPixel()));
}
int Form0g::sinistraTwips(const QWidget* w) const {
  return static_cast<int>(arrotonda(w->x() * env_.twipsPerPixel()));
}
int Form0g::altoTwips(const QWidget* w) const {
  return static_cast<int>(arrotonda(w->y() * env_.twipsPerPixel()));
}
void Form0g::posiziona(QWidget* w, int left, int top, int width, int height) {
  w->setGeometry(twipsInPixel(left), twipsInPixel(top), twipsInPixel(width), twipsInPixel(height));
}
void Form0g::posizionaX(QWidget* w, int left) { w->move(twipsInPixel(left), w->y()); }
void Form0g::posizionaY(QWidget* w, int top) { w->move(w->x(), twipsInPixel(top)); }

void Form0g::Form_Load() {
  // 1-2. Toolbar images by screen width, buttons up to the "picture1" placeholder.
  SchermoPiccolo = W() < 12000;
  const int lato = SchermoPiccolo ? 16 : 24;
  Tlb1->setImageList(listaImmagini(lato), lato);
  const auto aggiungi = [this](const Bottone& b) {
    Tlb1->add(QString::fromLatin1(b.key), b.stile, b.immagine, QString::fromUtf8(b.tooltip),
              twipsInPixel(b.larghezzaTwips));
  };
  for (int i = 0; i < 7; ++i) aggiungi(Bottoni[i]);

  // 3. Show the window: the placements below use the toolbar as shown.
  env_.mostraFinestra(*this);
  Tlb1->setGeometry(0, 0, area_->width(), Tlb1->sizeHint().height());

  // 4. Picture1 over its placeholder.
  const int tpp = static_cast<int>(env_.twipsPerPixel());
  QRect p = Tlb1->geometryOf(QStringLiteral("picture1"));
  const int latoPic = std::min(p.width(), p.height()) - 4;
  Picture1->setPixmap(immagineTessera(std::max(8, latoPic)));
  Picture1->setGeometry(p.x(), p.y() + (SchermoPiccolo ? -30 : 50) / tpp, p.width(), p.height());

  // 5. The "textb" placeholder and the TEST field over it.
  aggiungi(Bottoni[7]);
  QRect t = Tlb1->geometryOf(QStringLiteral("textb"));
  if (SchermoPiccolo)
    textb->setGeometry(t.x(), t.y(), t.width(), static_cast<int>(arrotonda(t.height() * 0.9)));
  else
    textb->setGeometry(t.x(), t.y() + 150 / tpp, t.width(), textb->sizeHint().height());
  textb->raise();
  Picture1->raise();

  // 6-7. The other buttons; all thirteen tools start disabled.
  for (int i = 8; i < static_cast<int>(std::size(Bottoni)); ++i) aggiungi(Bottoni[i]);
  for (int i = 0; i <= 12; ++i) Tlb1->setEnabled(QStringLiteral("a%1").arg(i), false);
  Tlb1->setGeometry(0, 0, area_->width(), Tlb1->sizeHint().height());

  // 8-9.
  ImageA = ImageV;
  setWindowTitle(testi::Titolo);

  // 10-11.
  Estesa_Click();
  TastoAttivo = QStringLiteral("a9");
  Modo = 9;
  Occupato = 0;
  Interrompi = 0;

  // 12-13.
  disponi();
  Stb1->setText(2, testi::Attendi);
  setCursor(Qt::WaitCursor);

  // 14-18. The tail of start-up never stops it.
  CR_LF = QStringLiteral("\r\n");
  const int intervallo = env_.intervallo(2000);
  if (intervallo >= 0) Timer0->start(intervallo);
  FileAiuto = QStringLiteral("TESSARO.HLP");
  AiutoContesto = 1000;
  CartellaProg = QDir::currentPath();
  FileWordTemp = CartellaProg + (CartellaProg.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/")) +
                 QStringLiteral("~cruci.doc");
}

void Form0g::Inizio() {
  scartaProposta();
  disponi();
  vista.LatoX = latoDiPartenza();
  vista.LatoY = vista.LatoX;
  Numerare->setChecked(true);
  for (int i = 0; i <= 8; ++i) Tlb1->setEnabled(QStringLiteral("a%1").arg(i), true);
  Peri->show();
  ridimensionaBox();
  adattaFontGriglia();
  rinfresca();
  storia.azzera();
  Toccate.clear();
  Tlb1->setEnabled(QStringLiteral("a7"), false);
  Tlb1->setEnabled(QStringLiteral("a8"), false);
  Stb1->setText(1, testi::PerLavorare);
  for (int n : {2, 3, 4}) Stb1->setText(n, QStringLiteral(" "));
  Stb1->setBevel(2, StatusBar::Rialzato);
}

void Form0g::Timer2_Timer() {
  SecCar->show();
  SecCar->setText(QString::number(SecCar->text().toInt() + 1));
}

void Form0g::closeEvent(QCloseEvent* e) {
  std::int16_t Cancel = 0;
  Form_Unload(Cancel);
  if (Cancel != 0) {
    e->ignore();
    return;
  }
  e->accept();
}

bool Form0g::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::KeyPress && o->isWidgetType() &&
      static_cast<QWidget*>(o)->window() == this) {
    const auto* k = static_cast<QKeyEvent*>(e);
    if (Form_KeyDown(codiceTasto(*k), statoShift(*k))) return true;
  }
  if (o == area_ && e->type() == QEvent::Resize) {
    Tlb1->setGeometry(0, 0, area_->width(), Tlb1->sizeHint().height());
    const int h = Stb1->sizeHint().height();
    Stb1->setGeometry(0, area_->height() - h, area_->width(), h);
  }
  return QMainWindow::eventFilter(o, e);
}

}  // namespace tessaro
