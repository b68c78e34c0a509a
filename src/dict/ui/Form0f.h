// The dictionary viewer: one line per loaded dictionary; the entries of the
// chosen one (the base dictionary split in two lists at "M"); a box that
// jumps to the first entry at or after the typed text.
#pragma once

#include <QAbstractListModel>
#include <QDialog>
#include <memory>

#include "dict/Visore.h"

class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;

namespace tessaro {

class Form0g;

// A list model over the viewer's lines (one buffer, no string per entry).
class ModelloVisore : public QAbstractListModel {
  Q_OBJECT
 public:
  using QAbstractListModel::QAbstractListModel;
  void imposta(const RigheLista* righe);
  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& i, int role) const override;
  QString riga(int i) const;

 private:
  const RigheLista* righe_ = nullptr;
};

class Form0f : public QDialog {
  Q_OBJECT
 public:
  explicit Form0f(Form0g& principale);

  void Form_Load();
  void List1_Click();
  void Text1_Change();
  void List2_DblClick();
  void List3_DblClick();
  void Command2_Click();
  void Command1_Click();

  int slot() const { return slot_; }
  // The selected line of List2 or List3, -1 for none.
  int selezionata(const QListView* lista) const;
  QString riga(const QListView* lista, int i) const;
  int righe(const QListView* lista) const;

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QListWidget* List1 = nullptr;
  QListView* List2 = nullptr;
  QListView* List3 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLineEdit* Text1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command1 = nullptr;

 private:
  void seleziona(QListView* lista, int riga);

  Form0g& f_;
  int slot_ = 0;
  ContenutoVisore contenuto_;
  ModelloVisore modello2_, modello3_;
};

}  // namespace tessaro
