// Keeps the linguistic engine library non-empty while it has no sources of its own.
