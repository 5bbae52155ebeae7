# The words that the disambiguation rules and the preference table name,
# with the categories those rules choose between, and the words with a
# category of their own ("to", "that", "there", "as", "if", "and", "not").

entry to
  flags to-after-noun
  to ""
  prep "到\C"
  phrase "according to"
  phrase "next to"
  phrase "thanks to"
  phrase "due to"
  phrase "have to"
  phrase "ought to"
  phrase "listen to"
  phrase "welcome to"
  phrase "belong to"
  phrase "look forward to"
  phrase "subscribe to"




entry that
  that ""
  det "那" flags=with-classifier second=exclusive
  pron "那" flags=subject|object
  adv "那么" flags=not-verb-modifier
  phrase "so that"

entry there
  there ""
  adv "那里" flags=predicative|after-prep

entry here
  adv "这里" flags=predicative|after-prep
  phrase "click here"

entry as
  as ""
  prep "作为\C" flags=before-verb
  conj "因为" flags=clause-front
  phrase "as well as"
  phrase "as soon as"
  phrase "as long as"
  phrase "as if"
  phrase "as though"
  phrase "as usual"
  phrase "as a result of"
  phrase "as a result"
  phrase "such as"
  phrase "as well"

entry if
  if "如果"
  conj "如果" flags=clause-front
  phrase "even if"
  phrase "as if"

entry and
  and "和"

entry not
  adv "不" flags=mid-position|not-before-adj
  phrase "not only"
  phrase "not yet"

entry like
  v "喜欢" codes=t1,t3,t4
  prep "像\C一样"
  conj "像"
  adj "相似"
  phrase "would like"
  phrase "look like"


entry about
  prep "关于\C"
  adv "大约" flags=num-modifier
  phrase "what about"
  phrase "how about"
  phrase "think about"
  phrase "talk about"
  phrase "worry about"
  phrase "care about"





entry for
  prep "为\C" flags=before-verb
  conj "因为"
  phrase "for example"
  phrase "for instance"
  phrase "for ever"
  phrase "look for"
  phrase "wait for"
  phrase "pay for"
  phrase "ask for"





entry before
  prep "在\C之前" flags=before-verb
  conj "在\C之前" flags=clause-front
  adv "以前"

entry after
  prep "在\C之后" flags=before-verb
  conj "在\C之后" flags=clause-front
  adv "以后"
  phrase "after all"
  phrase "look after"


entry since
  conj "因为" flags=clause-front
  prep "自从\C以来" flags=before-verb|not-noun-modifier
  adv "从那以后"

entry until
  prep "直到\C" flags=before-verb|not-noun-modifier
  conj "直到"

entry till
  prep "直到\C" flags=before-verb|not-noun-modifier
  conj "直到"

entry present
  n "礼物" codes=C classes=artifact classifier=6
  n "现在" codes=U classes=time
  adj "在场"
  v "赠送" codes=t1,d1
  phrase "at present"

entry time
  n "时间" codes=U classes=time
  n "次" codes=C classes=event
  n "时代" codes=C classes=time context="history age era"
  v "为\o计时" codes=t1
  phrase "on time"
  phrase "in time"
  phrase "next time"
  phrase "at the same time"

entry age
  n "年龄" codes=C,U classes=attribute
  n "时代" codes=C classes=time context="history era century"
  v "变老" codes=i0

entry father
  n "父亲" codes=C classes=human classifier=8
  v "当\o的父亲" codes=t1

entry just
  adv "只是" flags=mid-position
  adv "刚刚" flags=mid-position
  adj "公正"

entry still
  adv "还" flags=mid-position
  adj "静止"

entry shop
  n "商店" codes=C classes=building classifier=9
  v "购物" codes=i0

entry well
  adv "好"
  adj "健康"
  n "井" codes=C classes=place classifier=1
  intj "嗯"
  phrase "as well as"
  phrase "as well"

entry more
  det "更多的"
  adv "更"
  adj "更多"
  n "更多" codes=U classes=quantity
  pron "更多" flags=subject|object
  phrase "more than"
  phrase "no more"
  phrase "once more"
  phrase "read more ."
  phrase "learn more ."

entry most
  adv "最"
  det "大多数"
  n "大多数" codes=U classes=quantity
  pron "大多数" flags=subject|object
  phrase "the most"
  phrase "at most"

entry quite
  adv "相当"

entry "the most"
  flags fixed-phrase
  adv "最"
  det "最多的"
