# Everyday senses of imported words whose first equivalent is not the one a
# reader expects (local 当地, not 地方性), and the units of measure, which
# measure themselves: after a number they take no classifier (三公里, 五美分,
# classifier 51 in the tables).

entry local
  adj "当地"
  n "当地居民" codes=C classes=human

entry popular
  adj "受欢迎"

entry temple
  n "寺庙" codes=C classes=building classifier=14

entry tourist
  n "游客" codes=C classes=human classifier=1

entry internet
  n "互联网" codes=U classes=artifact

# "times" is the plural of "time" (three times 三次) before it is an era.
entry times
  REF time form=S

entry km
  n "公里" codes=C classes=quantity classifier=51

entry kilometre
  n "公里" codes=C classes=quantity classifier=51

entry kilometer
  n "公里" codes=C classes=quantity classifier=51

entry meter
  n "米" codes=C classes=quantity classifier=51
  v "计量" codes=t1

entry metre
  n "米" codes=C classes=quantity classifier=51

entry mile
  n "英里" codes=C classes=quantity classifier=51

entry kilogram
  n "公斤" codes=C classes=quantity classifier=51

entry cent
  n "美分" codes=C classes=money classifier=51

# A percentage is written with the sign after the number (5%), as Chinese
# papers do; the sign measures itself.
entry percent
  n "%" codes=C classes=quantity classifier=51

entry "%"
  n "%" codes=C classes=quantity classifier=51

# Oil as it comes out of the ground.
entry crude
  adj "粗糙"
  n "原油" codes=U classes=substance
  phrase "crude oil"

entry "crude oil"
  flags fixed-phrase
  n "原油" codes=U classes=substance

# The country, which the lower-case bird would hide inside a sentence.
entry Turkey
  n "土耳其" codes=PN classes=place

# Countries and unions by their capital letters ("US forces", "the U.S.
# says"): the lower-case pronoun would hide them.
entry US
  n "美国" codes=PN classes=place

entry "U.S"
  n "美国" codes=PN classes=place

entry UK
  n "英国" codes=PN classes=place

entry "U.K"
  n "英国" codes=PN classes=place

entry EU
  n "欧盟" codes=PN classes=group

entry UN
  n "联合国" codes=PN classes=group

entry "U.N"
  n "联合国" codes=PN classes=group

# A form or a button submits what was filled in (提交); giving in is the
# rarer sense.
entry submit
  v "提交" codes=t1,i0
  v "屈服" codes=i0 constraints=1

# On the web a cart is where the shopping goes (购物车).
entry cart
  n "购物车" codes=C classes=artifact classifier=7
  phrase "shopping cart"

entry subscribe
  v "订阅" codes=t1,i0

entry email
  n "电子邮件" codes=C,U classes=communication classifier=16
  v "给\o发电子邮件" codes=t1

entry e-mail
  n "电子邮件" codes=C,U classes=communication classifier=16
  v "给\o发电子邮件" codes=t1

# The service, which the lower-case bird sound would hide.
entry Twitter
  n "推特" codes=PN classes=group
