# Multi-word entries. A fixed phrase (fixed-phrase) becomes one word of the
# sentence with the category of its senses ("a lot of" a determiner, "in
# front of" a preposition with its frame). A phrasal verb (phrasal-verb)
# stays two words that generation merges and translates from this entry.
# Each phrase is listed (phrase "...") on one of its words, mostly the last,
# whose entry the lexical stage is looking at when it finds the phrase;
# the words before it are compared with the headwords already read, so an
# inflected verb still matches ("gave up").

entry "of course"
  flags fixed-phrase
  adv "当然"

entry "a lot of"
  flags fixed-phrase
  det "很多"

entry "lots of"
  flags fixed-phrase
  det "很多"

entry "plenty of"
  flags fixed-phrase
  det "大量的"

entry "because of"
  flags fixed-phrase
  prep "因为\C" flags=before-verb

entry "in front of"
  flags fixed-phrase
  prep "在\C前面" flags=before-verb

entry "in spite of"
  flags fixed-phrase
  prep "尽管\C" flags=before-verb|not-noun-modifier

entry "as of"
  flags fixed-phrase
  prep "截至\C" flags=before-verb|not-noun-modifier

entry "instead of"
  flags fixed-phrase
  prep "代替\C" flags=before-verb

entry "out of"
  flags fixed-phrase
  prep "从\C出来"

entry "ahead of"
  flags fixed-phrase
  prep "在\C前面" flags=before-verb

entry "on top of"
  flags fixed-phrase
  prep "在\C顶上" flags=before-verb

entry "in charge of"
  flags fixed-phrase
  prep "负责\C"

entry "in terms of"
  flags fixed-phrase
  prep "就\C而言" flags=before-verb

entry "on behalf of"
  flags fixed-phrase
  prep "代表\C" flags=before-verb

entry "as a result of"
  flags fixed-phrase
  prep "由于\C" flags=before-verb

entry "in the middle of"
  flags fixed-phrase
  prep "在\C中间" flags=before-verb

entry "at the end of"
  flags fixed-phrase
  prep "在\C末尾" flags=before-verb

entry "at the beginning of"
  flags fixed-phrase
  prep "在\C开始时" flags=before-verb

entry "a piece of"
  flags fixed-phrase
  det "一块"

entry "a cup of"
  flags fixed-phrase
  det "一杯"

entry "a glass of"
  flags fixed-phrase
  det "一杯"

entry "take care of"
  flags phrasal-verb
  v "照顾" codes=t1

entry "in fact"
  flags fixed-phrase
  adv "事实上"

entry "around the world"
  flags fixed-phrase
  adv "在世界各地"

entry "all over the world"
  flags fixed-phrase
  adv "在世界各地"

entry "in time"
  flags fixed-phrase
  adv "及时"

entry "in addition"
  flags fixed-phrase
  adv "此外"

entry "in general"
  flags fixed-phrase
  adv "一般来说"

entry "in particular"
  flags fixed-phrase
  adv "特别是"

entry "in public"
  flags fixed-phrase
  adv "公开地"

entry "in order to"
  flags fixed-phrase
  to "为了"

entry "in the morning"
  flags fixed-phrase
  adv "在早上" flags=predicative

entry "in the afternoon"
  flags fixed-phrase
  adv "在下午" flags=predicative

entry "in the evening"
  flags fixed-phrase
  adv "在晚上" flags=predicative

entry "on time"
  flags fixed-phrase
  adv "准时" flags=predicative

entry "on foot"
  flags fixed-phrase
  adv "步行"

entry "on purpose"
  flags fixed-phrase
  adv "故意"

entry "at least"
  flags fixed-phrase
  adv "至少" flags=num-modifier

entry "at last"
  flags fixed-phrase
  adv "终于"

entry "at first"
  flags fixed-phrase
  adv "起初"

entry "at once"
  flags fixed-phrase
  adv "立刻"

entry "at all"
  flags fixed-phrase
  adv "根本"

entry "at most"
  flags fixed-phrase
  adv "最多" flags=num-modifier

entry "at present"
  flags fixed-phrase
  adv "目前"

entry "at home"
  flags fixed-phrase
  adv "在家" flags=predicative

entry "at night"
  flags fixed-phrase
  adv "在晚上" flags=predicative

entry "at the same time"
  flags fixed-phrase
  adv "同时"

entry "all over"
  flags fixed-phrase
  prep "遍及\C"

entry "along with"
  flags fixed-phrase
  prep "和\C一起" flags=before-verb

entry "together with"
  flags fixed-phrase
  prep "和\C一起" flags=before-verb

entry "apart from"
  flags fixed-phrase
  prep "除了\C以外" flags=before-verb

entry "away from"
  flags fixed-phrase
  prep "远离\C"

entry "from now on"
  flags fixed-phrase
  adv "从现在开始"

entry "by the way"
  flags fixed-phrase
  adv "顺便说一下"

entry "even though"
  flags fixed-phrase
  conj "即使" flags=clause-front

entry "even if"
  flags fixed-phrase
  conj "即使" flags=clause-front

entry "as though"
  flags fixed-phrase
  conj "好像"

entry "as if"
  flags fixed-phrase
  conj "好像"

entry "once more"
  flags fixed-phrase
  adv "再一次"

entry "not yet"
  flags fixed-phrase
  adv "还没有" flags=mid-position

entry "not only"
  flags fixed-phrase
  adv "不仅" flags=mid-position

entry "so that"
  flags fixed-phrase
  conj "以便"

entry "so far"
  flags fixed-phrase
  adv "到目前为止"

entry "rather than"
  flags fixed-phrase
  prep "而不是\C"

entry "more than"
  flags fixed-phrase
  adv "超过" flags=num-modifier

entry "less than"
  flags fixed-phrase
  adv "不到" flags=num-modifier

entry "according to"
  flags fixed-phrase
  prep "根据\C" flags=before-verb

entry "next to"
  flags fixed-phrase
  prep "在\C旁边" flags=before-verb

entry "thanks to"
  flags fixed-phrase
  prep "多亏\C" flags=before-verb

entry "due to"
  flags fixed-phrase
  prep "由于\C" flags=before-verb

entry "as well as"
  flags fixed-phrase
  and "以及"

entry "as soon as"
  flags fixed-phrase
  conj "一\C就" flags=clause-front

entry "as long as"
  flags fixed-phrase
  conj "只要" flags=clause-front

entry "as usual"
  flags fixed-phrase
  adv "像往常一样"

entry "as a result"
  flags fixed-phrase
  adv "结果"

entry "such as"
  flags fixed-phrase
  prep "比如\C"

entry "as well"
  flags fixed-phrase
  adv "也"

entry "no more"
  flags fixed-phrase
  adv "不再" flags=mid-position

entry "no longer"
  flags fixed-phrase
  adv "不再" flags=mid-position

entry "every day"
  flags fixed-phrase
  adv "每天"

entry "all right"
  flags fixed-phrase
  adj "好"

entry "after all"
  flags fixed-phrase
  adv "毕竟"

entry "for example"
  flags fixed-phrase
  adv "例如"

entry "for instance"
  flags fixed-phrase
  adv "例如"

entry "for ever"
  flags fixed-phrase
  adv "永远"

entry "next time"
  flags fixed-phrase
  adv "下次"

entry "last night"
  flags fixed-phrase
  adv "昨晚"

entry "last week"
  flags fixed-phrase
  adv "上周"

entry "last year"
  flags fixed-phrase
  adv "去年"

entry "last month"
  flags fixed-phrase
  adv "上个月"

entry "next week"
  flags fixed-phrase
  adv "下周"

entry "next year"
  flags fixed-phrase
  adv "明年"

entry "next month"
  flags fixed-phrase
  adv "下个月"

entry "this morning"
  flags fixed-phrase
  adv "今天早上"

entry "this year"
  flags fixed-phrase
  adv "今年"

entry "this week"
  flags fixed-phrase
  adv "这个星期"

entry "a little"
  flags fixed-phrase
  adv "有点"

entry "a bit"
  flags fixed-phrase
  adv "有点"

entry "look up"
  flags phrasal-verb
  v "查" codes=t1

entry "give up"
  flags phrasal-verb
  v "放弃" codes=t1,i0

entry "get up"
  flags phrasal-verb
  v "起床" codes=i0

entry "wake up"
  flags phrasal-verb
  v "醒来" codes=i0,t1

entry "pick up"
  flags phrasal-verb
  v "捡起" codes=t1

entry "stand up"
  flags phrasal-verb
  v "站起来" codes=i0

entry "grow up"
  flags phrasal-verb
  v "长大" codes=i0

entry "set up"
  flags phrasal-verb
  v "建立" codes=t1

entry "make up"
  flags phrasal-verb
  v "编造" codes=t1

entry "hang up"
  flags phrasal-verb
  v "挂断电话" codes=i0

entry "show up"
  flags phrasal-verb
  v "出现" codes=i0

entry "shut up"
  flags phrasal-verb
  v "闭嘴" codes=i0

entry "clean up"
  flags phrasal-verb
  v "打扫" codes=t1,i0

entry "hurry up"
  flags phrasal-verb
  v "赶快" codes=i0

entry "cheer up"
  flags phrasal-verb
  v "振作起来" codes=i0

entry "end up"
  flags phrasal-verb
  v "最后" codes=i0

entry "bring up"
  flags phrasal-verb
  v "提出" codes=t1

entry "find out"
  flags phrasal-verb
  v "查明" codes=t1,t5

entry "go out"
  flags phrasal-verb
  v "出去" codes=i0

entry "get out"
  flags phrasal-verb
  v "出去" codes=i0

entry "come out"
  flags phrasal-verb
  v "出来" codes=i0

entry "run out"
  flags phrasal-verb
  v "用完" codes=i0

entry "work out"
  flags phrasal-verb
  v "解决" codes=t1,i0

entry "figure out"
  flags phrasal-verb
  v "弄清楚" codes=t1

entry "take off"
  flags phrasal-verb
  v "脱下" codes=t1,i0

entry "turn off"
  flags phrasal-verb
  v "关掉" codes=t1

entry "get off"
  flags phrasal-verb
  v "下车" codes=i0,t1

entry "set off"
  flags phrasal-verb
  v "出发" codes=i0

entry "put off"
  flags phrasal-verb
  v "推迟" codes=t1

entry "put on"
  flags phrasal-verb
  v "穿上" codes=t1

entry "turn on"
  flags phrasal-verb
  v "打开" codes=t1

entry "go on"
  flags phrasal-verb
  v "继续" codes=i0

entry "carry on"
  flags phrasal-verb
  v "继续" codes=i0

entry "keep on"
  flags phrasal-verb
  v "继续" codes=t4

entry "try on"
  flags phrasal-verb
  v "试穿" codes=t1

entry "base on"
  flags phrasal-verb
  v "以\o为基础" codes=t1

entry "depend on"
  flags phrasal-verb
  v "取决于" codes=t1

entry "come back"
  flags phrasal-verb
  v "回来" codes=i0

entry "go back"
  flags phrasal-verb
  v "回去" codes=i0

entry "get back"
  flags phrasal-verb
  v "回来" codes=i0

entry "give back"
  flags phrasal-verb
  v "归还" codes=t1

entry "call back"
  flags phrasal-verb
  v "回电话" codes=i0,t1

entry "sit down"
  flags phrasal-verb
  v "坐下" codes=i0

entry "lie down"
  flags phrasal-verb
  v "躺下" codes=i0

entry "calm down"
  flags phrasal-verb
  v "冷静下来" codes=i0

entry "slow down"
  flags phrasal-verb
  v "减速" codes=i0

entry "break down"
  flags phrasal-verb
  v "出故障" codes=i0

entry "write down"
  flags phrasal-verb
  v "写下" codes=t1

entry "put down"
  flags phrasal-verb
  v "放下" codes=t1

entry "fall down"
  flags phrasal-verb
  v "摔倒" codes=i0

entry "go away"
  flags phrasal-verb
  v "走开" codes=i0

entry "run away"
  flags phrasal-verb
  v "逃跑" codes=i0

entry "throw away"
  flags phrasal-verb
  v "扔掉" codes=t1

entry "put away"
  flags phrasal-verb
  v "收起来" codes=t1

entry "take away"
  flags phrasal-verb
  v "拿走" codes=t1

entry "look at"
  flags phrasal-verb
  v "看" codes=t1

entry "laugh at"
  flags phrasal-verb
  v "嘲笑" codes=t1

entry "arrive at"
  flags phrasal-verb
  v "到达" codes=t1

entry "look for"
  flags phrasal-verb
  v "寻找" codes=t1

entry "wait for"
  flags phrasal-verb
  v "等" codes=t1

entry "pay for"
  flags phrasal-verb
  v "付钱买" codes=t1

entry "ask for"
  flags phrasal-verb
  v "要求" codes=t1

entry "look after"
  flags phrasal-verb
  v "照顾" codes=t1

entry "look like"
  flags phrasal-verb
  v "看起来像" codes=t1

entry "welcome to"
  flags phrasal-verb
  v "欢迎来到" codes=t1

entry "listen to"
  flags phrasal-verb
  v "听" codes=t1

entry "belong to"
  flags phrasal-verb
  v "属于" codes=t1

entry "look forward to"
  flags phrasal-verb
  v "期待" codes=t1,t4

entry "deal with"
  flags phrasal-verb
  v "处理" codes=t1

entry "agree with"
  flags phrasal-verb
  v "同意" codes=t1

entry "think about"
  flags phrasal-verb
  v "考虑" codes=t1

entry "talk about"
  flags phrasal-verb
  v "谈论" codes=t1

entry "worry about"
  flags phrasal-verb
  v "担心" codes=t1

entry "care about"
  flags phrasal-verb
  v "关心" codes=t1

entry "come from"
  flags phrasal-verb
  v "来自" codes=t1

entry "believe in"
  flags phrasal-verb
  v "相信" codes=t1

entry "take part in"
  flags phrasal-verb
  v "参加" codes=t1

entry "turn around"
  flags phrasal-verb
  v "转身" codes=i0

entry "a lot"
  flags fixed-phrase
  adv "很多"

# "very much" after the verb says how much the verb holds: Chinese puts
# the degree before it (我非常喜欢它).
entry "very much"
  flags fixed-phrase
  adv "非常"

# Place names of more than one word, which word by word come out wrong
# (新约克, 联合州). Their first words list them, so that the names are
# found whatever the case of the words.
entry unite
  v "联合" codes=i0
  v "统一" codes=t1

entry united
  adj "联合"
  REF "unite" form=PAST
  phrase "united states"
  phrase "united kingdom"
  phrase "united nations"

entry hong
  n "行" codes=C
  phrase "hong kong"

entry "new york"
  flags fixed-phrase
  n "纽约" codes=PN classes=place

entry "new zealand"
  flags fixed-phrase
  n "新西兰" codes=PN classes=place

entry "hong kong"
  flags fixed-phrase
  n "香港" codes=PN classes=place

entry "united states"
  flags fixed-phrase
  n "美国" codes=PN classes=place

entry "united kingdom"
  flags fixed-phrase
  n "英国" codes=PN classes=place

entry "united nations"
  flags fixed-phrase
  n "联合国" codes=PN classes=group

entry "at the time"
  flags fixed-phrase
  adv "当时"

# "take place": an event happens (发生), "took place" in any form.
entry "take place"
  flags fixed-phrase keep-start-form
  v "发生" codes=i0

# The words every web page shows: its menus, buttons and links.
entry "opening hour"
  flags fixed-phrase
  n "开放时间" codes=U classes=time

entry "home page"
  flags fixed-phrase
  n "主页" codes=C classes=communication

entry "terms of use"
  flags fixed-phrase
  n "使用条款" codes=U classes=communication

entry "contact us"
  flags fixed-phrase
  v "联系我们" codes=i0

entry "read more ."
  flags fixed-phrase
  v "阅读更多" codes=i0

entry "click here"
  flags fixed-phrase
  v "点击这里" codes=i0

entry "learn more ."
  flags fixed-phrase
  v "了解更多" codes=i0

entry "see all ."
  flags fixed-phrase
  v "查看全部" codes=i0

entry "back to top"
  flags fixed-phrase
  v "返回顶部" codes=i0

entry "shopping cart"
  flags fixed-phrase
  n "购物车" codes=C classes=artifact classifier=7

entry "subscribe to"
  flags phrasal-verb
  v "订阅" codes=t1

entry "sign in"
  flags phrasal-verb
  v "登录" codes=i0,t1

entry "log in"
  flags phrasal-verb
  v "登录" codes=i0,t1

entry "sign up"
  flags phrasal-verb
  v "注册" codes=i0,t1

entry "log out"
  flags phrasal-verb
  v "退出" codes=i0,t1

entry "sign out"
  flags phrasal-verb
  v "退出" codes=i0,t1
