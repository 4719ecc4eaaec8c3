// Replaced by the LibreOffice engine.
