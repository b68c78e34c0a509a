// A toolbar whose buttons are found by key ("a0".."a12"), with the button
// styles the program uses: normal, group (one set of mutually exclusive tool
// buttons), separator and placeholder (an empty space of a given width that
// another control is placed over). The pressed value of a button is set by
// the program only; a click raises buttonClick(key).
#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>
#include <vector>

class QHBoxLayout;
class QToolButton;

namespace tessaro {

class ToolBar : public QWidget {
  Q_OBJECT
 public:
  enum Stile { Normale = 0, Gruppo = 2, Separatore = 3, Segnaposto = 4 };

  explicit ToolBar(QWidget* parent = nullptr);

  void setImageList(std::vector<QIcon> immagini, int lato);
  // Adds a button; `immagine` counts from 1; `larghezzaPx` only for placeholders.
  void add(const QString& key, int stile, int immagine = 0, const QString& tooltip = {},
           int larghezzaPx = 0);

  bool has(const QString& key) const;
  bool isEnabled(const QString& key) const;
  void setEnabled(const QString& key, bool on);
  int value(const QString& key) const;
  void setValue(const QString& key, int v);
  QString toolTip(const QString& key) const;
  QString description(const QString& key) const;
  int style(const QString& key) const;
  // Geometry of a button or placeholder, in the toolbar's parent coordinates.
  QRect geometryOf(const QString& key) const;
  QToolButton* button(const QString& key) const;
  int buttonCount() const { return static_cast<int>(voci_.size()); }

 Q_SIGNALS:
  void buttonClick(const QString& key);

 private:
  struct Voce {
    QString key;
    int stile = Normale;
    int immagine = 0;
    QString descrizione;
    QWidget* widget = nullptr;
    QToolButton* pulsante = nullptr;
    int valore = 0;
  };
  const Voce* trova(const QString& key) const;
  Voce* trova(const QString& key);
  void aggiornaAspetto(Voce& v);

  std::vector<Voce> voci_;
  std::vector<QIcon> immagini_;
  int lato_ = 24;
  QHBoxLayout* layout_ = nullptr;
};

}  // namespace tessaro
