// A status bar of numbered panels (from 1), each with text, tooltip, bevel,
// enabled and visible state; a click on a panel raises panelClick(n).
#pragma once

#include <QFrame>
#include <QString>
#include <vector>

class QLabel;
class QHBoxLayout;

namespace tessaro {

class StatusBar : public QFrame {
  Q_OBJECT
 public:
  enum Bevel { Nessuno = 0, Incassato = 1, Rialzato = 2 };

  explicit StatusBar(int pannelli, QWidget* parent = nullptr);

  int count() const { return static_cast<int>(pannelli_.size()); }

  QString text(int n) const;
  void setText(int n, const QString& t);
  QString toolTip(int n) const;
  void setToolTip(int n, const QString& t);
  int bevel(int n) const;
  void setBevel(int n, int b);
  bool isEnabled(int n) const;
  void setEnabled(int n, bool on);
  bool isVisible(int n) const;
  void setVisible(int n, bool on);
  // Relative width of a panel (panels share the bar by these weights).
  void setStretch(int n, int s);
  QLabel* panel(int n) const;

 Q_SIGNALS:
  void panelClick(int n);

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  struct Pannello {
    QLabel* label = nullptr;
    int bevel = Incassato;
    bool visibile = true;
    bool abilitato = true;
  };
  void applicaBevel(Pannello& p);
  void applicaStato(Pannello& p);
  Pannello& at(int n);
  const Pannello& at(int n) const;

  std::vector<Pannello> pannelli_;
  QHBoxLayout* layout_ = nullptr;
};

}  // namespace tessaro
