# Content words of the test lexicon.

entry bank
  n "银行" codes=C classes=place,money domain=1 classifier=3 context="money account loan"
  n "岸" codes=C classes=place context="river water"

entry book
  n "书" codes=C classes=artifact classifier=2
  v "预订" codes=t1

entry people
  n "人们" codes=C classes=person
  handler plural

entry January
  n "一月" codes=U,PN classes=time
  handler date

entry run
  v "跑" codes=i0,t1
  v "经营" codes=t1 constraints=1
  n "跑步" codes=U
  phrase "run out of"

entry ran
  REF "run" form=PAST

entry "run out of"
  flags fixed-phrase
  v "用完" codes=t1

entry put
  flags base-is-past base-is-participle
  v "放\o" codes=t1,x9 pos="在" vmot="放着"

entry give
  v "给" codes=t1,d1 mod="把"

entry "give up"
  flags phrasal-verb
  v "放弃" codes=t1

entry went
  REF "go" form=PAST

entry go
  v "去" codes=i0 stype="去"

entry big
  adj "大"

entry three
  num "三"

# Records of the remaining stored types, for the tests.
entry oh
  intj "哦" record=1006 flags=1 strings="oh","ooh" last=2

entry hello
  intj "你好" record=1005 flags=7 second=300 strings="hi"

entry well
  adv "好" record=1007 flags=predicative byte=9

entry so
  adv "所以" record=1009 flags=0x11

entry yes
  intj "是" record=1011 flags=1
