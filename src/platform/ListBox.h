// A list box backed by a model, so a hundred thousand lines fill in a blink:
// AddItem, a batch add, ListCount, ListIndex, the text of a line, a tooltip,
// a mouse pointer and a Click event.
#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <QStringList>

namespace tessaro {

class ModelloRighe : public QAbstractListModel {
  Q_OBJECT
 public:
  using QAbstractListModel::QAbstractListModel;
  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(righe_.size());
  }
  QVariant data(const QModelIndex& i, int role) const override;
  void aggiungi(const QString& s);
  void aggiungi(const QStringList& righe);
  void svuota();
  const QStringList& righe() const { return righe_; }

 private:
  QStringList righe_;
};

class ListBox : public QListView {
  Q_OBJECT
 public:
  explicit ListBox(QWidget* parent = nullptr);

  void AddItem(const QString& s) { modello_.aggiungi(s); }
  void addItems(const QStringList& righe) { modello_.aggiungi(righe); }
  void Clear();
  int ListCount() const { return modello_.rowCount(); }
  int ListIndex() const;
  void setListIndex(int i);
  QString List(int i) const;
  QString text() const { return List(ListIndex()); }
  const QStringList& righe() const { return modello_.righe(); }
  void setMousePointer(int p);
  int mousePointer() const { return puntatore_; }

 Q_SIGNALS:
  void Click();
  void DblClick();

 private:
  ModelloRighe modello_;
  int puntatore_ = 0;
};

}  // namespace tessaro
