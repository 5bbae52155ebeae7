# Punctuation as the scanner hands it over. The comma, the semicolon, the
# colon, brackets and dashes take the comma's category, which the parser
# links lists and brackets with (a closing bracket is recognised by its
# text); quotation marks and the single quotes take the quotation-mark
# category; the sentence marks take their own. The possessive "'s" written
# apart reaches the lexicon as "$s".

entry ","
  "," "£¬"

entry ;
  "," "£»"

entry :
  "," "£º"

entry (
  "," "£¨"

entry )
  "," "£©"

entry [
  "," "£Û"

entry ]
  "," "£Ý"

entry -
  "," "£­"

entry --
  "," "¡ª¡ª"

entry ---
  "," "¡ª¡ª"

entry ...
  "," "¡­¡­"

entry "\""
  "\"" "\""

entry '
  "\"" "'"

entry `
  "\"" "'"

entry ``
  "\"" "\""

entry "''"
  "\"" "\""

entry !
  ! "£¡"

entry ?
  ? "£¿"

entry .
  $ "¡£"

entry &
  and "ºÍ"

entry $s
  's "µÄ"

entry 's
  's "µÄ"
