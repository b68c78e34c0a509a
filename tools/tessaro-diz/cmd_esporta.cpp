// tessaro-diz esporta: a Schema file and its clue file (when there is one)
// published as the window's "Esporta" writes it: ipuz, PDF pages, or the
// grid alone as SVG or PNG.
#include "Comandi.h"

#include <QGuiApplication>
#include <QSaveFile>
#include <cstdlib>
#include <iostream>

#include "clues/FileDef.h"
#include "clues/Ipuz.h"
#include "clues/pagina/Pagina.h"
#include "files/FileTes.h"

namespace tessaro::diz {

namespace {

struct Opzioni {
  std::string_view formato, uscita, schema;
  std::string titolo;
  bool conTitolo = false;
  bool soluzione = false;
  Carta carta = Carta::A4;
};

bool leggiOpzioni(Argomenti args, Opzioni& o) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view a = args[i];
    const bool valore = i + 1 < args.size();
    if (a == "--formato" && valore) {
      o.formato = args[++i];
    } else if (a == "-o" && valore) {
      o.uscita = args[++i];
    } else if (a == "--titolo" && valore) {
      o.titolo = args[++i];
      o.conTitolo = true;
    } else if (a == "--carta" && valore) {
      const std::string_view c = args[++i];
      if (c != "A4" && c != "Letter") return false;
      o.carta = c == "Letter" ? Carta::Letter : Carta::A4;
    } else if (a == "--soluzione") {
      o.soluzione = true;
    } else if (a.starts_with("-") || !o.schema.empty()) {
      return false;
    } else {
      o.schema = a;
    }
  }
  const bool formatoNoto = o.formato == "ipuz" || o.formato == "pdf" || o.formato == "svg" || o.formato == "png";
  return formatoNoto && !o.uscita.empty() && !o.schema.empty();
}

// Qt's notes about the session (no runtime folder when run from a script)
// are no concern of a file conversion.
void filtraMessaggi(QtMsgType tipo, const QMessageLogContext& ctx, const QString& m) {
  if (tipo != QtFatalMsg && m.startsWith(QLatin1String("QStandardPaths:"))) return;
  qt_message_output(tipo, ctx, m);
}

// PDF, SVG and PNG are drawn by Qt, which needs its application object; with
// no display it draws offscreen.
int disegna(const Opzioni& o, const Pubblicazione& x) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(filtraMessaggi);
  int argc = 1;
  char nome[] = "tessaro-diz";
  char* argv[] = {nome, nullptr};
  QGuiApplication app(argc, argv);
  QSaveFile file(QString::fromStdString(std::string(o.uscita)));
  if (!file.open(QIODevice::WriteOnly)) return errore("impossibile scrivere " + std::string(o.uscita) + ": " + file.errorString().toStdString());
  const bool disegnato = o.formato == "pdf" ? scriviPdf(file, x) : o.formato == "svg" ? scriviSvg(file, x) : scriviPng(file, x);
  if (!disegnato || !file.commit())
    return errore("impossibile scrivere " + std::string(o.uscita) + ": " + file.errorString().toStdString());
  return EsitoOk;
}

}  // namespace

int comandoEsporta(Argomenti args) {
  Opzioni o;
  if (!leggiOpzioni(args, o)) return erroreUso(UsoEsporta);
  std::string dati;
  if (!leggiFile(std::filesystem::path(o.schema), dati)) return EsitoErrore;
  const LetturaTes tes = leggiTes(dati);
  if (!tes) {
    std::cerr << MsgErroreFile << '\n';
    return EsitoProblemi;
  }
  Definizioni definizioni;
  const std::filesystem::path def = nomeDef(o.schema);
  std::error_code ec;
  if (std::filesystem::exists(def, ec)) {
    if (!leggiFile(def, dati)) return EsitoErrore;
    LetturaDef l = leggiDef(dati);
    if (!l) {
      std::cerr << "tessaro-diz: " << def.string() << ": " << descrizioneErroreDef(l) << '\n';
      return EsitoProblemi;
    }
    definizioni = std::move(*l.definizioni);
  }
  if (!o.conTitolo) o.titolo = std::filesystem::path(o.schema).stem().string();
  if (o.formato == "ipuz")
    return scriviFile(std::filesystem::path(o.uscita), scriviIpuz(*tes.schema, definizioni, o.titolo)) ? EsitoOk
                                                                                                         : EsitoErrore;
  return disegna(o, Pubblicazione{*tes.schema, definizioni, QString::fromStdString(o.titolo), o.soluzione, o.carta});
}

}  // namespace tessaro::diz
