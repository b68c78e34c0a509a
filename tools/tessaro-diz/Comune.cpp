#include "Comandi.h"

#include <cerrno>
#include <iostream>
#include <system_error>

#include "ContenitoreDiz.h"
#include "dict/CaricaDizionari.h"
#include "dict/CartellaDizionari.h"
#include "dict/Concatena.h"
#include "dict/Utf8.h"
#include "files/ScritturaFile.h"

namespace tessaro::diz {

std::string perTerminale(std::string_view testo) {
  static constexpr std::string_view Cifre = "0123456789abcdef";
  std::string out;
  out.reserve(testo.size());
  auto escape = [&](std::string_view byte) {
    for (char ch : byte) {
      const auto b = static_cast<unsigned char>(ch);
      out += "\\x";
      out += Cifre[b >> 4];
      out += Cifre[b & 15];
    }
  };
  std::size_t i = 0;
  while (i < testo.size()) {
    const std::size_t da = i;
    char32_t c = 0;
    if (!leggiUtf8(testo, i, c)) {
      escape(testo.substr(i++, 1));  // not UTF-8: shown as its byte
      continue;
    }
    const std::string_view car = testo.substr(da, i - da);
    if (c < 0x20 || (c >= 0x7F && c < 0xA0))
      escape(car);
    else
      out += car;
  }
  return out;
}

int errore(std::string_view messaggio) {
  std::cerr << "tessaro-diz: " << perTerminale(messaggio) << '\n';
  return EsitoErrore;
}

int erroreUso(std::string_view uso) {
  std::cerr << "uso: " << uso << '\n';
  return EsitoErrore;
}

bool leggiFile(const std::filesystem::path& p, std::string& dati) {
  const EsitoLettura l = leggiFileRegolare(p, dati);
  if (l) return true;
  std::error_code ec;
  std::string motivo = motivoLettura(l);
  if (l.errore == ErroreLettura::NonRegolare && std::filesystem::is_directory(p, ec)) motivo = "è una cartella";
  if (l.errore == ErroreLettura::Illeggibile && l.codice == ENOENT) motivo = "il file non esiste";
  errore(concatena({"impossibile leggere ", p.string(), ": ", motivo}));
  return false;
}

bool leggiDizionario(const std::filesystem::path& p, std::string& testo) {
  std::string dati;
  if (!leggiFile(p, dati)) return false;
  if (!passaDalDecoder(p.filename().string())) {
    Cedi cedi;
    if (preparaTestoPiano(dati, cedi).minuscole) errore(testoMinuscole(p.filename().string()));
    testo = std::move(dati);
    return true;
  }
  EsitoDiz e = decodificaDiz(dati, testo);
  if (e != EsitoDiz::ok) {
    errore(concatena({p.string(), ": ", descrizioneEsito(e)}));
    return false;
  }
  return true;
}

bool scriviFile(const std::filesystem::path& p, std::string_view dati) {
  const EsitoScrittura e = scriviFileSicuro(p, dati);
  if (e) return true;
  errore(concatena({"impossibile scrivere ", p.string(), ": ", motivoScrittura(e)}));
  return false;
}

}  // namespace tessaro::diz
