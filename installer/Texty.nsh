; The installer's and uninstaller's own Czech texts (NSIS's own come from its Czech language file).

LangString TextSekceProgram ${LANG_CZECH} "Tervik"
LangString TextSekcePrihlaseni ${LANG_CZECH} "Spouštět při přihlášení"
LangString PopisSekceProgram ${LANG_CZECH} \
  "Program Tervik a jeho zástupce v nabídce Start."
LangString PopisSekcePrihlaseni ${LANG_CZECH} \
  "Po přihlášení uživatele se Tervik spustí sám (s přepínačem /automaticky: zprávy ukazuje v oznamovací oblasti)."

LangString TextPopisZastupce ${LANG_CZECH} "Snímky, záznam a dohled z webových kamer"
LangString TextBezId ${LANG_CZECH} \
  "Zástupce se nepodařilo vytvořit s identifikátorem aplikace (kód $0), vytvářím obyčejného zástupce."

LangString TextBezi ${LANG_CZECH} \
  "Aplikace Tervik je spuštěna. Před pokračováním je třeba ji ukončit.$\n$\nUkončit ji nyní?"
LangString TextNeukoncena ${LANG_CZECH} \
  "Aplikaci Tervik se nepodařilo ukončit (čeká v ní například otevřený dialog).$\n$\nZavřete ji prosím a zvolte Opakovat."
LangString TextUkoncuji ${LANG_CZECH} "Ukončuji spuštěnou aplikaci Tervik..."

LangString TextSmazatData ${LANG_CZECH} \
  "Smazat také nastavení aplikace Tervik (kamery, e-mailové účty, FTP místa) a její protokoly?$\n$\nPořízené snímky a záznamy zůstanou zachovány v jejich složkách."
