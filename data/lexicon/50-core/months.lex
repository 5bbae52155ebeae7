# Months and weekdays. A month calls the date handler, which reads a day
# number and a year around it ("May 5th, 1997", "the 5th of May") and writes
# the date as 1997年5月5日, with the month's own text between; so a month's
# text is the month in figures. "May" the month and "may" the modal differ
# by their capital; "May" also offers the modal for a sentence that starts
# with it. A weekday after "on" is one word with it (在星期一), since the
# frame of "on" (在…上) does not suit a day.

entry January
  n "1月" codes=U,PN classes=time
  handler date

entry February
  n "2月" codes=U,PN classes=time
  handler date

entry March
  n "3月" codes=U,PN classes=time
  handler date

entry April
  n "4月" codes=U,PN classes=time
  handler date

entry May
  flags single-modal
  n "5月" codes=U,PN classes=time
  aux "可能" flags=modal
  handler date

entry June
  n "6月" codes=U,PN classes=time
  handler date

entry July
  n "7月" codes=U,PN classes=time
  handler date

entry August
  n "8月" codes=U,PN classes=time
  handler date

entry September
  n "9月" codes=U,PN classes=time
  handler date

entry October
  n "10月" codes=U,PN classes=time
  handler date

entry November
  n "11月" codes=U,PN classes=time
  handler date

entry December
  n "12月" codes=U,PN classes=time
  handler date

entry Jan
  REF January form=ABBR

entry Feb
  REF February form=ABBR

entry Mar
  REF March form=ABBR

entry Apr
  REF April form=ABBR

entry Jun
  REF June form=ABBR

entry Jul
  REF July form=ABBR

entry Aug
  REF August form=ABBR

entry Sep
  REF September form=ABBR

entry Sept
  REF September form=ABBR

entry Oct
  REF October form=ABBR

entry Nov
  REF November form=ABBR

entry Dec
  REF December form=ABBR

entry Monday
  n "周一" codes=U,C,PN classes=time
  phrase "on Monday"

entry Tuesday
  n "周二" codes=U,C,PN classes=time
  phrase "on Tuesday"

entry Wednesday
  n "周三" codes=U,C,PN classes=time
  phrase "on Wednesday"

entry Thursday
  n "周四" codes=U,C,PN classes=time
  phrase "on Thursday"

entry Friday
  n "周五" codes=U,C,PN classes=time
  phrase "on Friday"

entry Saturday
  n "周六" codes=U,C,PN classes=time
  phrase "on Saturday"

entry Sunday
  n "周日" codes=U,C,PN classes=time
  phrase "on Sunday"

entry "on Monday"
  flags fixed-phrase
  adv "周一"

entry "on Tuesday"
  flags fixed-phrase
  adv "周二"

entry "on Wednesday"
  flags fixed-phrase
  adv "周三"

entry "on Thursday"
  flags fixed-phrase
  adv "周四"

entry "on Friday"
  flags fixed-phrase
  adv "周五"

entry "on Saturday"
  flags fixed-phrase
  adv "周六"

entry "on Sunday"
  flags fixed-phrase
  adv "周日"
