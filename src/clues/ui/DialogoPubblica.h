// The options of an export or of printing: the title (the file's name by
// default), and for pages the solution page and the paper, for grid images
// the empty or the solved grid.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tessaro {

enum class Formato { Pdf, Svg, Png, Ipuz, Stampa };

class DialogoPubblica : public QDialog {
  Q_OBJECT
 public:
  DialogoPubblica(QWidget* padre, Formato formato, const QString& titolo);

  QLineEdit* Titolo = nullptr;
  QCheckBox* ConSoluzione = nullptr;  // pages
  QComboBox* Carta = nullptr;         // pages: "A4", "Letter"
  QRadioButton* Vuoto = nullptr;      // grid images
  QRadioButton* Risolto = nullptr;
  QPushButton* OK = nullptr;
  QPushButton* Annulla = nullptr;
};

}  // namespace tessaro
