# Everyday words that the rules and the generator lean on, or that are too
# common to leave to the imported vocabulary: kinship and people, time
# words, places, things with their classifiers, the verbs of the common
# phrasal verbs, and the commonest adjectives and adverbs. Nouns carry
# their semantic class and classifier (一本书, 一辆车, 一位老师).

# --- people

entry mother
  n "母亲" codes=C classes=human classifier=8

entry brother
  n "兄弟" codes=C classes=human classifier=1

entry sister
  n "姐妹" codes=C classes=human classifier=1

entry son
  n "儿子" codes=C classes=human classifier=1

entry daughter
  n "女儿" codes=C classes=human classifier=1

entry parent
  n "父母" codes=C classes=human classifier=1

entry husband
  n "丈夫" codes=C classes=human classifier=1

entry friend
  n "朋友" codes=C classes=human classifier=1

entry family
  n "家庭" codes=C classes=group classifier=1
  n "家人" codes=C,U classes=group classifier=1

entry boy
  n "男孩" codes=C classes=human classifier=1

entry girl
  n "女孩" codes=C classes=human classifier=1

entry baby
  n "婴儿" codes=C classes=human classifier=1

entry teacher
  n "老师" codes=C classes=human classifier=8

entry student
  n "学生" codes=C classes=human classifier=37

entry doctor
  n "医生" codes=C classes=human classifier=8

# --- time

entry day
  n "天" codes=C classes=time classifier=51

entry night
  n "晚上" codes=C classes=time
  phrase "last night"


entry week
  n "周" codes=C classes=time classifier=51
  phrase "last week"
  phrase "next week"
  phrase "this week"




entry month
  n "月" codes=C classes=time classifier=1
  phrase "last month"
  phrase "next month"



entry year
  n "年" codes=C classes=time classifier=51
  phrase "last year"
  phrase "next year"
  phrase "this year"




entry hour
  n "小时" codes=C classes=time classifier=1
  phrase "opening hour"

entry minute
  n "分钟" codes=C classes=time classifier=51
  adj "微小"

entry morning
  n "早上" codes=C classes=time classifier=1
  phrase "this morning"


entry afternoon
  n "下午" codes=C classes=time classifier=1

entry evening
  n "晚上" codes=C classes=time classifier=1

entry today
  adv "今天" flags=after-prep
  n "今天" codes=U classes=time

entry tomorrow
  adv "明天" flags=after-prep
  n "明天" codes=U classes=time

entry yesterday
  adv "昨天" flags=after-prep
  n "昨天" codes=U classes=time

entry tonight
  adv "今晚" flags=after-prep
  n "今晚" codes=U classes=time

entry now
  adv "现在" flags=after-prep|predicative

entry o'clock
  n "点钟" codes=C,U classes=time

# --- places and things

entry home
  n "家" codes=C classes=building classifier=1
  adv "回家" flags=predicative
  phrase "home page"

entry house
  n "房子" codes=C classes=building classifier=36
  v "容纳" codes=t1,x9

entry school
  n "学校" codes=C classes=building classifier=36

entry room
  n "房间" codes=C classes=building classifier=15

entry office
  n "办公室" codes=C classes=building classifier=15

entry hospital
  n "医院" codes=C classes=building classifier=9

entry store
  n "商店" codes=C classes=building classifier=9
  v "储存" codes=i0,t1

entry restaurant
  n "餐馆" codes=C classes=building classifier=9

entry company
  n "公司" codes=C classes=group classifier=9

entry hotel
  n "酒店" codes=C classes=building classifier=9

entry bank
  n "银行" codes=C classes=building classifier=9 context="money account loan"
  n "岸" codes=C classes=place classifier=5 context="river water"

entry station
  n "车站" codes=C classes=place classifier=1
  v "驻扎" codes=t1,x9

entry park
  n "公园" codes=C classes=place classifier=1
  v "停车" codes=i0,t1

entry garden
  n "花园" codes=C classes=place classifier=1

entry city
  n "城市" codes=C classes=place classifier=14

entry town
  n "城镇" codes=C classes=place classifier=1

entry village
  n "村庄" codes=C classes=place classifier=1

entry country
  n "国家" codes=C classes=place classifier=1

entry world
  n "世界" codes=U classes=place
  phrase "around the world"
  phrase "all over the world"

entry place
  n "地方" codes=C classes=place classifier=1
  v "放置" codes=t1,x9

entry road
  n "路" codes=C classes=place classifier=5

entry street
  n "街" codes=C classes=place classifier=5

entry river
  n "河" codes=C classes=place classifier=5

entry mountain
  n "山" codes=C classes=place classifier=14

entry sea
  n "海" codes=C,U classes=place

entry sky
  n "天空" codes=U classes=place

entry sun
  n "太阳" codes=U classes=thing

entry moon
  n "月亮" codes=U classes=thing

entry China
  n "中国" codes=U,PN classes=place

entry book
  n "书" codes=C classes=artifact classifier=2
  v "预订" codes=t1

entry door
  n "门" codes=C classes=artifact classifier=45

entry window
  n "窗户" codes=C classes=artifact classifier=45

entry table
  n "桌子" codes=C classes=artifact classifier=4

entry chair
  n "椅子" codes=C classes=artifact classifier=12

entry bed
  n "床" codes=C classes=artifact classifier=4

entry car
  n "汽车" codes=C classes=vehicle classifier=7

entry bus
  n "公共汽车" codes=C classes=vehicle classifier=7

entry bicycle
  n "自行车" codes=C classes=vehicle classifier=7

entry bike
  n "自行车" codes=C classes=vehicle classifier=7

entry train
  n "火车" codes=C classes=vehicle
  v "训练" codes=t1,i0

entry plane
  n "飞机" codes=C classes=vehicle classifier=39

entry ship
  n "船" codes=C classes=vehicle classifier=40
  v "运送" codes=t1,x9

entry boat
  n "船" codes=C classes=vehicle classifier=5

entry pen
  n "钢笔" codes=C classes=tool classifier=19

entry pencil
  n "铅笔" codes=C classes=tool classifier=19

entry paper
  n "纸" codes=U classes=artifact classifier=4
  n "论文" codes=C classes=communication classifier=29 context="write research journal"

entry newspaper
  n "报纸" codes=C classes=communication classifier=30

entry letter
  n "信" codes=C classes=communication classifier=16
  n "字母" codes=C classes=communication classifier=1 context="alphabet word spell"

entry picture
  n "照片" codes=C classes=artifact classifier=4
  n "画" codes=C classes=artifact classifier=34 context="paint painter wall"

entry photo
  n "照片" codes=C classes=artifact classifier=4

entry key
  n "钥匙" codes=C classes=tool classifier=12

entry box
  n "盒子" codes=C classes=artifact classifier=1
  v "装箱" codes=t1
  v "拳击" codes=i0

entry bag
  n "包" codes=C classes=artifact classifier=1

entry cup
  n "杯子" codes=C classes=artifact classifier=1

entry glass
  n "玻璃杯" codes=C classes=artifact classifier=1
  n "玻璃" codes=U classes=substance context="window broken"

entry bottle
  n "瓶子" codes=C classes=artifact classifier=1

entry phone
  n "电话" codes=C classes=artifact classifier=18
  v "打电话" codes=i0,t1

entry computer
  n "电脑" codes=C classes=artifact classifier=13

entry television
  n "电视" codes=C,U classes=artifact classifier=13

entry TV
  n "电视" codes=C,U classes=artifact classifier=13

entry clothes
  n "衣服" codes=C classes=clothing classifier=6

entry shirt
  n "衬衫" codes=C classes=clothing classifier=6

entry hat
  n "帽子" codes=C classes=clothing classifier=41

entry shoe
  n "鞋" codes=C classes=clothing classifier=3

entry money
  n "钱" codes=U classes=money

entry dollar
  n "美元" codes=C classes=money classifier=51

# --- animals, plants, food

entry dog
  n "狗" codes=C classes=animal classifier=3

entry cat
  n "猫" codes=C classes=animal classifier=3

entry bird
  n "鸟" codes=C classes=animal classifier=3

entry horse
  n "马" codes=C classes=animal classifier=31

entry cow
  n "奶牛" codes=C classes=animal classifier=10

entry fish
  n "鱼" codes=C classes=animal classifier=5
  n "鱼肉" codes=U classes=food
  v "钓鱼" codes=i0

entry tree
  n "树" codes=C classes=plant classifier=11

entry flower
  n "花" codes=C classes=plant classifier=22
  v "开花" codes=i0

entry water
  n "水" codes=U classes=substance
  v "浇" codes=t1

entry food
  n "食物" codes=U classes=food

entry rice
  n "米饭" codes=U classes=food classifier=26

entry bread
  n "面包" codes=U classes=food classifier=20

entry apple
  n "苹果" codes=C classes=food classifier=1

entry egg
  n "鸡蛋" codes=C classes=food classifier=1

entry tea
  n "茶" codes=U classes=food classifier=24

entry coffee
  n "咖啡" codes=U classes=food classifier=24

entry milk
  n "牛奶" codes=U classes=food classifier=24
  v "挤奶" codes=t1

entry breakfast
  n "早饭" codes=C,U classes=food

entry lunch
  n "午饭" codes=C,U classes=food

entry dinner
  n "晚饭" codes=C,U classes=food

# --- body

entry hand
  n "手" codes=C classes=body classifier=3
  v "交给" codes=t1,d1

entry head
  n "头" codes=C classes=body classifier=1
  v "前往" codes=i0
  v "率领" codes=t1

entry eye
  n "眼睛" codes=C classes=body classifier=3
  v "注视" codes=t1

entry face
  n "脸" codes=C classes=body classifier=4
  v "面对" codes=t1

entry hair
  n "头发" codes=U classes=body classifier=33

entry heart
  n "心" codes=C classes=body classifier=32

entry leg
  n "腿" codes=C classes=body classifier=5

entry arm
  n "胳膊" codes=C classes=body classifier=5
  v "武装" codes=t1
  v "武装起来" codes=i0

# --- abstract

entry thing
  n "东西" codes=C classes=thing classifier=1
  n "事情" codes=C classes=event classifier=6 context="happen matter problem"

entry word
  n "词" codes=C classes=communication classifier=1
  v "措辞" codes=t1

entry sentence
  n "句子" codes=C classes=communication classifier=1
  v "判处" codes=t1,v3

entry question
  n "问题" codes=C classes=communication classifier=1
  v "询问" codes=t1

entry problem
  n "问题" codes=C classes=state classifier=1

entry answer
  n "答案" codes=C classes=communication classifier=1
  v "回答" codes=t1,i0

entry name
  n "名字" codes=C classes=communication classifier=1
  v "给o取名" codes=t1,x1

entry idea
  n "主意" codes=C classes=cognition classifier=1

entry job
  n "工作" codes=C classes=act classifier=30

entry work
  v "工作" codes=i0
  n "工作" codes=U classes=act

entry language
  n "语言" codes=C classes=language classifier=48

entry English
  n "英语" codes=U classes=language
  adj "英国的"

entry Chinese
  n "中文" codes=U classes=language
  adj "中国的"
  n "中国人" codes=C classes=human classifier=1

entry way
  n "方式" codes=C classes=act classifier=28
  n "路" codes=C classes=place classifier=5 context="road street lost"
  adv "远远"
  phrase "by the way"

entry weather
  n "天气" codes=U classes=weather

entry rain
  n "雨" codes=U classes=weather classifier=38
  v "下雨" codes=i0

entry snow
  n "雪" codes=U classes=weather classifier=38
  v "下雪" codes=i0

entry love
  v "爱" codes=t1,t3,t4
  n "爱" codes=U classes=feeling

entry game
  n "游戏" codes=C classes=act classifier=1
  n "比赛" codes=C classes=event classifier=38 context="team win player"

entry party
  n "聚会" codes=C classes=event classifier=1
  n "政党" codes=C classes=group classifier=1 context="election political vote"

entry music
  n "音乐" codes=U classes=music classifier=17

entry song
  n "歌" codes=C classes=music classifier=17

entry movie
  n "电影" codes=C classes=event classifier=18

entry film
  n "电影" codes=C classes=event classifier=18
  v "拍摄" codes=i0,t1

entry story
  n "故事" codes=C classes=communication classifier=1

entry news
  n "新闻" codes=U classes=communication classifier=5

entry class
  n "班" codes=C classes=group classifier=1
  n "课" codes=C classes=act classifier=1 context="teacher lesson"
  v "分类" codes=t1

entry lesson
  n "课" codes=C classes=act classifier=1

entry lot
  n "许多" codes=U classes=quantity
  phrase "a lot of"
  phrase "a lot"

entry lots
  n "许多" codes=U classes=quantity
  phrase "lots of"

entry piece
  n "块" codes=C classes=quantity
  phrase "a piece of"

entry part
  n "部分" codes=C classes=thing classifier=1
  v "分开" codes=i0,t1
  phrase "take part in"

entry kind
  n "种类" codes=C classes=attribute classifier=1
  adj "友好"

entry sort
  n "种类" codes=C classes=attribute classifier=1
  v "分类" codes=t1

entry course
  n "课程" codes=C classes=act classifier=48
  phrase "of course"

entry order
  n "顺序" codes=U classes=relation
  n "命令" codes=C classes=communication classifier=49
  v "命令" codes=t1,v3
  v "点" codes=t1 constraints=1
  phrase "in order to"

entry top
  n "顶部" codes=C classes=place classifier=1
  adj "最高"
  v "超过" codes=t1

entry front
  n "前面" codes=U classes=place
  v "面对" codes=i0,t1

entry charge
  n "费用" codes=C classes=money
  v "收费" codes=t1,i0

entry terms
  n "条件" codes=C classes=relation

entry behalf
  n "利益" codes=U classes=relation

entry result
  n "结果" codes=C classes=event classifier=1
  v "导致" codes=i0,t1

entry middle
  n "中间" codes=U classes=place

entry end
  n "结尾" codes=C classes=time classifier=1
  v "结束" codes=i0,t1

entry beginning
  n "开始" codes=C classes=time classifier=1

entry purpose
  n "目的" codes=C classes=motive classifier=1

entry fact
  n "事实" codes=C classes=cognition classifier=1

entry addition
  n "增加" codes=U classes=act

entry instance
  n "例子" codes=C classes=communication classifier=1

entry example
  n "例子" codes=C classes=communication classifier=1

entry care
  n "照顾" codes=U classes=act
  v "在乎" codes=i0

entry turn
  v "转" codes=i0,t1
  n "轮到" codes=C classes=event classifier=1

entry plenty
  n "大量" codes=U classes=quantity

entry spite
  n "恶意" codes=U classes=feeling

# --- verbs

entry use
  v "使用" codes=t1,x9
  n "使用" codes=U classes=act

entry look
  v "看" codes=i0
  v "看起来" codes=l7 constraints=1
  n "一看" codes=C,U classes=attribute,act,state

entry pick
  v "挑选" codes=t1
  n "挑选" codes=C,U classes=cognition,quantity,group,artifact

entry wait
  v "等" codes=i0,t1
  n "等待" codes=C classes=time,act

entry listen
  v "听" codes=i0

entry talk
  v "说话" codes=i0
  n "谈话" codes=C classes=act classifier=1

entry call
  v "打电话给" codes=t1
  v "叫" codes=x1 constraints=1
  n "电话" codes=C classes=communication classifier=1

entry carry
  v "带" codes=t1

entry figure
  n "数字" codes=C classes=quantity classifier=1
  v "认为" codes=t5

entry clean
  v "打扫" codes=t1
  adj "干净"

entry ask
  v "问" codes=t1,d1,v3
  v "请求" codes=t3 constraints=1

entry worry
  v "担心" codes=i0,t1
  n "担心" codes=C,U classes=feeling

entry laugh
  v "笑" codes=i0
  n "笑" codes=C classes=act

entry arrive
  v "到达" codes=i0

entry believe
  v "认为" codes=t5
  v "相信" codes=t1

entry agree
  v "同意" codes=i0,t5,t3

entry try
  v "试" codes=t1,t3,t4
  v "努力" codes=t3 constraints=1
  n "尝试" codes=C,U classes=act

entry hurry
  v "赶快" codes=i0
  n "匆忙" codes=U classes=state

entry calm
  adj "平静"
  v "使o平静" codes=t1
  n "平静" codes=U classes=attribute,phenomenon

entry slow
  adj "慢"
  v "减速" codes=i0
  adv "慢慢"

entry belong
  v "属于" codes=i0

entry depend
  v "依靠" codes=i0

entry check
  v "检查" codes=t1
  n "检查" codes=C,U classes=possession,cognition,communication,state

entry cheer
  v "欢呼" codes=i0
  n "欢呼" codes=C,U classes=communication,attribute

entry want
  v "想" codes=t3
  v "想要" codes=t1,v3
  n "需要" codes=U classes=state,object,feeling

entry play
  v "玩" codes=i0,t1
  v "演奏" codes=t1 constraints=1
  n "戏剧" codes=C classes=event classifier=18

entry study
  v "学习" codes=t1,i0
  n "研究" codes=C,U classes=act

entry help
  v "帮助" codes=t1,v2,v3,i0
  n "帮助" codes=U classes=act

entry open
  v "打开" codes=t1
  v "开" codes=i0
  adj "开着的"

entry close
  v "关上" codes=t1
  v "关" codes=i0
  adj "近"
  adv "靠近"
  n "结束" codes=C classes=time,communication,act

entry start
  v "开始" codes=t1,t3,t4,i0
  n "开始" codes=C classes=event,time,act

entry finish
  v "完成" codes=t1,t4,i0
  n "终点" codes=C,U classes=attribute,time,state,place

entry stay
  v "待" codes=i0
  v "保持" codes=l7 constraints=1
  n "停留" codes=C,U classes=act,state,communication,artifact

entry visit
  v "参观" codes=t1
  v "拜访" codes=t1 constraints=1
  n "访问" codes=C classes=act classifier=27

entry walk
  v "走" codes=i0
  n "散步" codes=C classes=act classifier=1

entry watch
  v "看" codes=t1,v2,v4
  n "手表" codes=C classes=artifact classifier=32

entry happen
  v "发生" codes=i0

entry seem
  v "似乎" codes=l7,t3

entry move
  v "移动" codes=i0,t1
  v "搬家" codes=i0 constraints=1
  n "举动" codes=C,U classes=act

entry stop
  v "停止" codes=t1,t4,i0
  n "车站" codes=C classes=place classifier=1

entry remember
  v "记得" codes=t1,t4,t5

entry hope
  v "希望" codes=t3,t5,i0
  n "希望" codes=C,U classes=feeling

entry decide
  v "决定" codes=t3,t5,i0

entry enjoy
  v "享受" codes=t1,t4

entry cook
  v "做饭" codes=i0
  v "煮" codes=t1
  n "厨师" codes=C classes=human classifier=8

entry wash
  v "洗" codes=t1

entry travel
  v "旅行" codes=i0
  n "旅行" codes=C,U classes=act,event

entry return
  v "返回" codes=i0
  v "归还" codes=t1,d1
  n "返回" codes=C,U classes=communication,act,event

entry plan
  v "计划" codes=t3,t1
  n "计划" codes=C classes=cognition classifier=1

# --- adjectives

entry big
  adj "大"

entry small
  adj "小"

entry new
  adj "新"
  phrase "new york"
  phrase "new zealand"

entry happy
  adj "高兴"

entry beautiful
  adj "美丽"

entry hot
  adj "热"

entry cold
  adj "冷"
  n "感冒" codes=C classes=disease classifier=38

entry long
  adj "长"
  adv "长久"
  v "渴望" codes=i0

entry short
  adj "短"
  adj "矮"

entry tall
  adj "高"

entry high
  adj "高"
  adv "高"

entry low
  adj "低"
  adv "低"

entry young
  adj "年轻"

entry easy
  adj "容易"
  adv "容易"

entry difficult
  adj "困难"

entry hard
  adj "难"
  adj "硬"
  adv "努力"

entry important
  adj "重要"

entry possible
  adj "可能"

entry sure
  adj "确定"
  adv "当然"

entry ready
  adj "准备好"

entry busy
  adj "忙"

entry tired
  adj "累"

entry hungry
  adj "饿"

entry right
  adj "对"
  n "权利" codes=C classes=possession classifier=1
  adv "正好"

entry wrong
  adj "错"
  adv "错"

entry true
  adj "真实"

entry free
  adj "自由"
  adj "免费"
  v "释放" codes=t1,x9

entry full
  adj "满"

entry able
  adj "能够"

entry afraid
  adj "害怕"

entry sorry
  adj "抱歉"
  intj "对不起"

entry glad
  adj "高兴"

entry nice
  adj "好"

entry early
  adj "早"
  adv "早"

entry fast
  adj "快"
  adv "快"
  n "禁食" codes=C,U classes=act

entry different
  adj "不同"

entry usual
  adj "通常的"

entry general
  adj "一般的"
  n "将军" codes=C classes=human classifier=8

entry particular
  adj "特别的"

entry public
  adj "公共"
  n "公众" codes=U classes=group

entry real
  adj "真正"

entry whole
  adj "整个"
  n "整体" codes=C classes=thing

# --- words the spelling rules would misread as a short word with an ending (upper: up)

entry upper
  adj "上面的"

entry outer
  adj "外面的"

entry inner
  adj "里面的"

entry offer
  v "提供" codes=t1,d1
  n "提议" codes=C classes=communication classifier=1

entry wing
  n "翅膀" codes=C classes=body classifier=3

entry seed
  n "种子" codes=C classes=plant classifier=43

# --- adverbs and interjections

entry else
  adj "别的"
  adv "否则"

entry somewhere
  adv "某处" flags=predicative|after-prep

entry anywhere
  adv "任何地方" flags=predicative|after-prep

entry everywhere
  adv "到处" flags=predicative|after-prep

entry nowhere
  adv "无处" flags=predicative|after-prep

entry nevertheless
  adv "然而"

entry moreover
  adv "此外"

entry furthermore
  adv "此外"

entry meanwhile
  adv "同时"

entry anyway
  adv "无论如何"

entry hence
  adv "因此"

entry indeed
  adv "确实" flags=mid-position

entry versus
  n "对" codes=U classes=relation

entry none
  n "没有一个" codes=U classes=quantity

entry Mr
  n "先生" codes=C classes=human classifier=8

entry Mrs
  n "太太" codes=C classes=human classifier=8

entry Ms
  n "女士" codes=C classes=human classifier=8

entry Dr
  n "博士" codes=C classes=human classifier=8

entry ahead
  adv "在前面" flags=predicative

entry apart
  adv "分开" flags=predicative

entry forward
  adv "向前"
  v "转寄" codes=t1,d1
  phrase "look forward to"

entry instead
  adv "反而"

entry rather
  adv "相当"
  phrase "would rather"

entry longer
  adv "更长"
  adj "更长"

entry due
  adj "到期"

entry very
  adv "非常" flags=not-verb-modifier

entry really
  adv "真的" flags=mid-position

entry always
  adv "总是" flags=mid-position

entry often
  adv "经常" flags=mid-position

entry never
  adv "从不" flags=mid-position

entry sometimes
  adv "有时" flags=mid-position

entry usually
  adv "通常" flags=mid-position

entry already
  adv "已经" flags=mid-position

entry again
  adv "再"

entry soon
  adv "很快"

entry ago
  adv "以前"

entry ever
  adv "曾经" flags=mid-position

entry almost
  adv "几乎" flags=mid-position|num-modifier

entry maybe
  adv "也许"

entry perhaps
  adv "也许"

entry probably
  adv "可能" flags=mid-position

entry together
  adv "一起"
  phrase "together with"

entry please
  adv "请" flags=mid-position
  v "使\o高兴" codes=t1

entry yes
  intj "是的"

entry OK
  intj "好"
  adj "好"

entry okay
  intj "好"
  adj "好"

entry hello
  intj "你好"

entry hi
  intj "嗨"

entry goodbye
  intj "再见"

entry bye
  intj "再见"

entry oh
  intj "哦"

entry hey
  intj "嘿"

entry goodnight
  intj "晚安"

entry wow
  intj "哇"

entry ouch
  intj "哎哟"

entry alas
  intj "唉"

entry thanks
  intj "谢谢"
  n "感谢" codes=C classes=feeling

entry thank
  v "感谢" codes=t1

# "later" is the adverb of time in its own right (以后); as the comparative
# of "late" it would come out 更晚地.
entry later
  adv "以后"
  adj "更晚"

# Imported first senses that miss the everyday meaning: "tiny" is small,
# not few; "common" is what is often met; a "threat" is 威胁.
entry tiny
  adj "微小"

entry common
  adj "常见"

entry threat
  n "威胁" codes=C,U classes=state,communication

# An area or a region of the world is a 地区; "nuclear" power and weapons
# are 核 (核电, 核武器); an experience one lives through is 体验.
entry area
  n "地区" codes=C classes=place,cognition,body,state

entry region
  n "地区" codes=C classes=place,body,quantity

entry nuclear
  adj "核"

entry experience
  n "体验" codes=C,U classes=cognition,event
  v "经历" codes=t1

entry airline
  n "航空公司" codes=C classes=artifact,group classifier=9

entry currently
  adv "目前"

# News words: a "state" in speech is 表示 (the noun stays 州 or 状态), a
# report is 报道, an attack 袭击, a storm 风暴, a flight 航班; the parts of
# a land are 北部, 南部, 东部, 西部; a lens is 镜头.
entry state
  n "州" codes=C classes=place domain=9 classifier=1 context="government federal capital country"
  n "状态" codes=C classes=state classifier=28 context="condition mind"
  v "表示" codes=t1,t5,x9

entry report
  v "报道" codes=i0,t1,t5
  n "报道" codes=C,U classes=communication,event classifier=30

entry attack
  v "攻击" codes=i0,t1
  n "袭击" codes=C,U classes=act,communication

entry storm
  n "风暴" codes=C,U classes=phenomenon,weather,state,act
  v "猛攻" codes=t1

entry flight
  n "航班" codes=C classes=group,act,artifact

entry northern
  adj "北部"

entry southern
  adj "南部"

entry eastern
  adj "东部"

entry western
  adj "西部"

entry lens
  n "镜头" codes=C classes=artifact

entry lenses
  REF lens form=PLURAL

# The name of a people as a noun is first its language, which one speaks,
# studies and learns (我学法语); the people themselves come second.

entry French
  n "法语" codes=U classes=language
  n "法国人" codes=C classes=human classifier=1
  adj "法国"

entry Spanish
  n "西班牙语" codes=U classes=language
  n "西班牙人" codes=C classes=human classifier=1
  adj "西班牙"

entry German
  n "德语" codes=U classes=language
  n "德国人" codes=C classes=human classifier=1
  adj "德国"

entry Japanese
  n "日语" codes=U classes=language
  n "日本人" codes=C classes=human classifier=1
  adj "日本"

entry Italian
  n "意大利语" codes=U classes=language
  n "意大利人" codes=C classes=human classifier=1
  adj "意大利"

entry Russian
  n "俄语" codes=U classes=language
  n "俄罗斯人" codes=C classes=human classifier=1
  adj "俄罗斯"

entry Korean
  n "韩语" codes=U classes=language
  n "韩国人" codes=C classes=human classifier=1
  adj "韩国"

entry Portuguese
  n "葡萄牙语" codes=U classes=language
  n "葡萄牙人" codes=C classes=human classifier=1
  adj "葡萄牙"
