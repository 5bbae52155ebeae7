# Personal, reflexive, possessive and indefinite pronouns. A pronoun with
# `subject` may be a subject; one with `object` may follow a preposition or
# "and". Wherever classes are tested a pronoun counts as class 5 (human).

entry I
  pron "我" flags=subject

entry me
  pron "我" flags=object
  phrase "me too"

entry you
  pron "你" flags=subject|object

entry he
  pron "他" flags=subject

entry him
  pron "他" flags=object

entry she
  pron "她" flags=subject

entry her
  det "她的" second=exclusive
  pron "她" flags=object

entry his
  det "他的" second=exclusive
  pron "他的" flags=subject|object

entry it
  pron "它" flags=subject|object

entry we
  pron "我们" flags=subject

entry us
  pron "我们" flags=object
  phrase "contact us"

entry they
  pron "他们" flags=subject

entry them
  pron "他们" flags=object

entry mine
  pron "我的" flags=subject|object

entry yours
  pron "你的" flags=subject|object

entry hers
  pron "她的" flags=subject|object

entry ours
  pron "我们的" flags=subject|object

entry theirs
  pron "他们的" flags=subject|object

entry myself
  pron "我自己" flags=object

entry yourself
  pron "你自己" flags=object

entry himself
  pron "他自己" flags=object

entry herself
  pron "她自己" flags=object

entry itself
  pron "它自己" flags=object

entry ourselves
  pron "我们自己" flags=object

entry yourselves
  pron "你们自己" flags=object

entry themselves
  pron "他们自己" flags=object

entry oneself
  pron "自己" flags=object

entry someone
  pron "某人" flags=subject|object

entry somebody
  pron "某人" flags=subject|object

entry anyone
  pron "任何人" flags=subject|object

entry anybody
  pron "任何人" flags=subject|object

entry everyone
  pron "每个人" flags=subject|object

entry everybody
  pron "每个人" flags=subject|object

entry nobody
  pron "没有人" flags=subject|object

entry something
  n "东西" codes=U classes=thing

entry anything
  n "任何事" codes=U classes=thing

entry everything
  n "一切" codes=U classes=thing

entry nothing
  n "没有什么" codes=U classes=thing

entry "no one"
  flags fixed-phrase
  pron "没有人" flags=subject|object

entry "each other"
  flags fixed-phrase
  pron "彼此" flags=object

entry "one another"
  flags fixed-phrase
  pron "彼此" flags=object

entry "me too"
  flags fixed-phrase
  pron "我也是" flags=subject|object
