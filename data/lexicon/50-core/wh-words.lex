# Wh-words. `determiner` (which book, what time) and `possessive` (whose
# book) admit a following noun. "when" links to a noun only when that noun is
# of the class time.

entry what
  wh "什么" flags=determiner
  phrase "what about"

entry which
  wh "哪" flags=determiner

entry who
  wh "谁"

entry whom
  wh "谁"

entry whose
  wh "谁的" flags=possessive

entry where
  wh "哪里"

entry when
  wh "什么时候"
  conj "\C的时候" flags=clause-front

entry why
  wh "为什么"

entry how
  wh "怎么"
  phrase "how many"
  phrase "how much"
  phrase "how about"
  phrase "how long"
  phrase "how old"

entry whoever
  wh "无论谁"

entry whichever
  wh "无论哪" flags=determiner

entry wherever
  wh "无论哪里"
  conj "无论在哪里" flags=clause-front

entry whenever
  wh "无论何时"
  conj "每当" flags=clause-front

entry "how many"
  flags fixed-phrase
  wh "多少" flags=determiner

entry "how much"
  flags fixed-phrase
  wh "多少" flags=determiner

entry "how long"
  flags fixed-phrase
  wh "多久"

entry "how old"
  flags fixed-phrase
  wh "几岁"

entry "how about"
  flags fixed-phrase
  wh "怎么样"

entry "what about"
  flags fixed-phrase
  wh "怎么样"
