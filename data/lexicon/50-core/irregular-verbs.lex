# Irregular verbs: every base word with its senses, and every past tense
# and past participle that the spelling rules cannot undo as a reference to
# it: ED for a past tense that is no participle (went), EN for a participle
# that is no past tense (gone), PAST for a form that is both (bought). A base
# that also serves as past tense or participle (put, come) says so with its
# entry flags. A form that is a word of its own as well (saw, left, found)
# keeps its own senses first. "be", "have" and "do" are in be-have-do.lex.

entry arise
  v "出现" codes=i0

entry awake
  v "醒来" codes=i0,t1
  adj "醒着"

entry bear
  v "忍受" codes=t1,t3
  n "熊" codes=C classes=animal classifier=3

entry beat
  flags base-is-past
  v "打" codes=t1
  v "打败" codes=t1 constraints=1
  n "节拍" codes=C classes=place,event,communication,phenomenon

entry become
  flags base-is-participle
  v "成为" codes=l1,t1
  v "变得" codes=l7

entry begin
  v "开始" codes=t1,t3,t4,i0

entry bend
  v "弯曲" codes=t1,i0
  n "弯道" codes=C classes=shape,event,artifact

entry bet
  flags base-is-past base-is-participle
  v "打赌" codes=t5,i0,t1
  n "赌注" codes=C classes=act

entry bid
  flags base-is-past base-is-participle
  v "出价" codes=t1,i0
  n "出价" codes=C,U classes=communication,act

entry bind
  v "捆绑" codes=t1

entry bite
  v "咬" codes=t1,i0
  n "一口" codes=C,U classes=state,food

entry bleed
  v "流血" codes=i0

entry blow
  v "吹" codes=i0,t1
  n "打击" codes=C,U classes=act,event

entry break
  v "打破" codes=t1
  v "坏" codes=i0 constraints=1
  n "休息" codes=C classes=act

entry breed
  v "繁殖" codes=t1,i0
  n "品种" codes=C classes=group,cognition

entry bring
  v "带来" codes=t1,d1

entry broadcast
  flags base-is-past base-is-participle
  v "广播" codes=t1,i0
  n "广播" codes=C,U classes=communication

entry build
  v "建造" codes=t1
  n "体格" codes=U classes=attribute,body

entry burn
  v "燃烧" codes=i0,t1
  n "烧伤" codes=C,U classes=state,attribute

entry burst
  flags base-is-past base-is-participle
  v "爆炸" codes=i0
  n "爆发" codes=C,U classes=act,event

entry buy
  v "买" codes=t1,d1

entry cast
  flags base-is-past base-is-participle
  v "投" codes=t1
  n "演员阵容" codes=C classes=group,artifact,shape,attribute

entry catch
  v "抓住" codes=t1
  v "赶上" codes=t1 constraints=1
  n "捕获" codes=C,U classes=attribute,quantity,human,object

entry choose
  v "选择" codes=t1,t3

entry cling
  v "抓紧" codes=i0

entry come
  flags base-is-participle
  v "来" codes=i0,t3

entry cost
  flags base-is-past base-is-participle
  v "花费" codes=t1,d1
  n "费用" codes=C,U classes=money

entry creep
  v "爬" codes=i0

entry cut
  flags base-is-past base-is-participle
  v "切" codes=t1
  n "伤口" codes=C classes=body

entry deal
  v "处理" codes=i0
  n "交易" codes=C classes=act

entry dig
  v "挖" codes=t1,i0

entry dive
  v "潜水" codes=i0
  n "潜水" codes=C classes=artifact,act

entry draw
  v "画" codes=t1,i0
  n "平局" codes=C classes=object,human,event,artifact

entry dream
  v "做梦" codes=i0,t5
  n "梦" codes=C classes=cognition

entry drink
  v "喝" codes=t1,i0
  n "饮料" codes=C,U classes=food classifier=24

entry drive
  v "开车" codes=i0
  v "驾驶" codes=t1
  n "车程" codes=C,U classes=act,artifact

entry dwell
  v "居住" codes=i0

entry eat
  v "吃" codes=t1,i0

entry fall
  v "落下" codes=i0
  v "摔倒" codes=i0 constraints=1
  n "秋天" codes=U,C classes=time

entry feed
  v "喂" codes=t1,d1
  n "饲料" codes=C,U classes=food

entry feel
  v "感觉" codes=l7,t1,t5
  n "感觉" codes=U classes=feeling

entry fight
  v "打架" codes=i0
  v "与\o战斗" codes=t1
  n "打架" codes=C classes=act classifier=38

entry find
  v "找到" codes=t1
  v "发现" codes=t5,x7 constraints=1

entry fit
  flags base-is-past base-is-participle
  v "适合" codes=t1,i0
  adj "健康"
  n "发作" codes=C,U classes=state,attribute,act

entry flee
  v "逃跑" codes=i0,t1

entry fling
  v "扔" codes=t1

entry fly
  v "飞" codes=i0,t1
  n "苍蝇" codes=C classes=animal classifier=3

entry forbid
  v "禁止" codes=t1,v3

entry forecast
  flags base-is-past base-is-participle
  v "预测" codes=t1,t5
  n "预报" codes=C classes=communication

entry foresee
  v "预见" codes=t1,t5

entry forget
  v "忘记" codes=t1,t3,t5,i0

entry forgive
  v "原谅" codes=t1,d1

entry freeze
  v "冻结" codes=i0,t1

entry get
  v "得到" codes=t1
  v "变得" codes=l7
  v "到达" codes=i0 constraints=1
  v "让\o" codes=v3 constraints=1

entry give
  v "给" codes=t1,d1

entry go
  v "去" codes=i0,t3,t4

entry grind
  v "磨" codes=t1

entry grow
  v "成长" codes=i0
  v "种植" codes=t1
  v "变得" codes=l7 constraints=1

entry hang
  v "挂" codes=t1,i0

entry hear
  v "听见" codes=t1,t5,v2,v4
  v "听说" codes=i0 constraints=1

entry hide
  v "藏" codes=t1,i0
  n "兽皮" codes=C,U classes=substance,animal

entry hit
  flags base-is-past base-is-participle
  v "打" codes=t1
  v "撞" codes=t1 constraints=1
  n "打击" codes=C,U classes=act,event

entry hold
  v "拿着" codes=t1
  v "举行" codes=t1 constraints=1
  n "掌控" codes=C,U classes=act,cognition,attribute,time

entry hurt
  flags base-is-past base-is-participle
  v "伤害" codes=t1
  v "疼" codes=i0
  adj "受伤"
  n "伤害" codes=C,U classes=state,feeling,event

entry keep
  v "保持" codes=t1,x7,t4
  v "保留" codes=t1 constraints=1

entry kneel
  v "跪" codes=i0

entry knit
  flags base-is-past base-is-participle
  v "编织" codes=t1,i0

entry know
  v "知道" codes=t1,t5,t6,i0
  v "认识" codes=t1 constraints=1

entry lay
  v "放" codes=t1
  v "下蛋" codes=i0 constraints=1
  REF lie form=ED

entry lead
  v "领导" codes=t1
  v "通向" codes=i0 constraints=1
  n "铅" codes=U classes=substance

entry lean
  v "靠" codes=i0,t1
  adj "瘦"

entry leap
  v "跳" codes=i0
  n "跳跃" codes=C,U classes=act,event,attribute

entry learn
  v "学习" codes=t1,t3,i0
  v "得知" codes=t5 constraints=1

entry leave
  v "离开" codes=t1,i0
  v "留下" codes=t1,x7 constraints=1
  n "假期" codes=U classes=time

entry lend
  v "借给" codes=t1,d1

entry let
  flags base-is-past base-is-participle
  v "让\o" codes=v2

entry lie
  v "躺" codes=i0
  v "说谎" codes=i0 constraints=1
  n "谎言" codes=C classes=communication

entry light
  v "点燃" codes=t1
  n "光" codes=U classes=phenomenon
  n "灯" codes=C classes=artifact classifier=46
  adj "轻"

entry lose
  v "失去" codes=t1
  v "输" codes=i0,t1 constraints=1

entry make
  v "做" codes=t1
  v "使\o" codes=v2,x7 constraints=1
  v "制造" codes=t1 constraints=1
  n "品牌" codes=C classes=cognition,act

entry mean
  v "意思是" codes=t1,t5
  v "打算" codes=t3 constraints=1
  adj "吝啬"
  n "平均值" codes=C classes=cognition

entry meet
  v "遇见" codes=t1
  v "见面" codes=i0

entry mislead
  v "误导" codes=t1

entry mistake
  v "弄错" codes=t1
  n "错误" codes=C classes=act

entry misunderstand
  v "误解" codes=t1

entry mow
  v "割" codes=t1

entry overcome
  flags base-is-participle
  v "克服" codes=t1

entry overhear
  v "无意中听到" codes=t1

entry oversleep
  v "睡过头" codes=i0

entry overtake
  v "超过" codes=t1

entry overthrow
  v "推翻" codes=t1
  n "推翻" codes=C,U classes=act

entry pay
  v "付" codes=t1,d1,i0
  n "工资" codes=U classes=money

entry plead
  v "恳求" codes=i0

entry prove
  v "证明" codes=t1,t5

entry put
  flags base-is-past base-is-participle
  v "放\o" codes=t1,x9 pos="在"

entry quit
  flags base-is-past base-is-participle
  v "放弃" codes=t1,t4,i0

entry read
  flags base-is-past base-is-participle
  v "读" codes=t1,i0
  v "看" codes=t1 constraints=1

entry rebuild
  v "重建" codes=t1

entry redo
  v "重做" codes=t1

entry repay
  v "偿还" codes=t1

entry rewrite
  v "重写" codes=t1

entry rid
  flags base-is-past base-is-participle
  v "使摆脱" codes=t1

entry ride
  v "骑" codes=t1,i0
  n "乘坐" codes=C classes=act

entry ring
  v "响" codes=i0
  v "打电话给" codes=t1
  n "戒指" codes=C classes=artifact classifier=1

entry rise
  v "上升" codes=i0
  n "上升" codes=C classes=event,act,object

entry run
  flags base-is-participle
  v "跑" codes=i0
  v "经营" codes=t1 constraints=1
  n "跑步" codes=U classes=act

entry saw
  v "锯" codes=t1
  n "锯子" codes=C classes=tool classifier=12
  REF see form=ED

entry say
  v "说" codes=t1,t5

entry see
  v "看见" codes=t1,t5,v2,v4
  v "明白" codes=i0 constraints=1
  phrase "see all ."

entry seek
  v "寻找" codes=t1,t3

entry sell
  v "卖" codes=t1,d1,i0

entry send
  v "送" codes=t1,d1
  v "寄" codes=t1 constraints=1

entry set
  flags base-is-past base-is-participle
  v "设置" codes=t1
  v "落山" codes=i0 constraints=1
  n "套" codes=C classes=group

entry sew
  v "缝" codes=t1

entry shake
  v "摇" codes=t1,i0
  v "握" codes=t1 constraints=1

entry shed
  flags base-is-past base-is-participle
  v "流下" codes=t1
  n "棚屋" codes=C classes=artifact,building classifier=14

entry shine
  v "照耀" codes=i0

entry shoot
  v "射击" codes=t1,i0

entry show
  v "给\o看" codes=t1,d1,d5
  v "表明" codes=t5 constraints=1
  n "节目" codes=C classes=event classifier=1

entry shrink
  v "缩小" codes=i0

entry shut
  flags base-is-past base-is-participle
  v "关" codes=t1,i0

entry sing
  v "唱" codes=t1,i0

entry sink
  v "下沉" codes=i0
  n "水槽" codes=C classes=artifact

entry sit
  v "坐" codes=i0

entry sleep
  v "睡觉" codes=i0
  n "睡眠" codes=U classes=state

entry slide
  v "滑" codes=i0
  n "幻灯片" codes=C classes=artifact,event,communication classifier=4

entry sling
  v "扔" codes=t1

entry slit
  flags base-is-past base-is-participle
  v "切开" codes=t1

entry smell
  v "闻" codes=t1
  v "闻起来" codes=l7
  n "气味" codes=C classes=attribute classifier=28

entry sow
  v "播种" codes=t1
  n "母猪" codes=C classes=animal classifier=10

entry speak
  v "说" codes=t1,i0
  v "讲话" codes=i0 constraints=1

entry speed
  v "加速" codes=i0
  n "速度" codes=C,U classes=attribute

entry spell
  v "拼写" codes=t1
  n "咒语" codes=C,U classes=state,time,communication

entry spend
  v "花" codes=t1
  v "度过" codes=t1 constraints=1

entry spill
  v "洒" codes=t1,i0
  n "泄漏" codes=C,U classes=substance,artifact,act

entry spin
  v "旋转" codes=i0,t1

entry spit
  v "吐" codes=i0,t1

entry split
  flags base-is-past base-is-participle
  v "分开" codes=t1,i0
  n "分裂" codes=C,U classes=act,quantity,possession,object

entry spoil
  v "宠坏" codes=t1
  v "变质" codes=i0 constraints=1
  n "战利品" codes=C,U classes=possession,act

entry spread
  flags base-is-past base-is-participle
  v "传播" codes=i0,t1
  n "传播" codes=C classes=event,attribute,artifact

entry spring
  v "跳" codes=i0
  n "春天" codes=U,C classes=time

entry stand
  v "站" codes=i0
  v "忍受" codes=t1,t4 constraints=1
  n "立场" codes=C classes=artifact,place,group

entry steal
  v "偷" codes=t1

entry stick
  v "粘" codes=t1,i0
  n "棍子" codes=C classes=artifact classifier=33

entry sting
  v "刺" codes=t1
  n "刺痛" codes=C,U classes=state,act

entry stink
  v "发臭" codes=i0
  n "臭味" codes=C,U classes=cognition

entry strike
  v "打" codes=t1
  n "罢工" codes=C classes=act classifier=38

entry strive
  v "努力" codes=i0,t3

entry swear
  v "发誓" codes=t5,t3,i0
  v "骂人" codes=i0 constraints=1

entry sweep
  v "扫" codes=t1

entry swell
  v "肿" codes=i0

entry swim
  v "游泳" codes=i0

entry swing
  v "摆动" codes=i0,t1
  n "秋千" codes=C classes=artifact

entry take
  v "拿" codes=t1
  phrase "take place"
  v "花费" codes=d1 constraints=1
  v "带" codes=t1 constraints=1
  v "乘坐" codes=t1 constraints=1

entry teach
  v "教" codes=t1,d1,d5,i0

entry tear
  v "撕" codes=t1
  n "眼泪" codes=C classes=body

entry tell
  v "告诉" codes=t1,d1,d5,v3

entry think
  v "觉得" codes=t5
  v "想" codes=i0,t1

entry throw
  v "扔" codes=t1,d1
  n "投掷" codes=C,U classes=act,state,event,artifact

entry thrust
  flags base-is-past base-is-participle
  v "推" codes=t1
  n "推力" codes=C,U classes=phenomenon,act,communication

entry tread
  v "踩" codes=i0,t1

entry understand
  v "明白" codes=t1,t5,i0
  v "理解" codes=t1 constraints=1

entry undergo
  v "经历" codes=t1

entry undertake
  v "承担" codes=t1

entry undo
  v "解开" codes=t1

entry upset
  flags base-is-past base-is-participle
  v "使\o不安" codes=t1
  adj "难过"

entry wake
  v "醒" codes=i0
  v "叫醒" codes=t1

entry wear
  v "穿" codes=t1
  v "戴" codes=t1 constraints=1

entry weave
  v "编织" codes=t1

entry wed
  flags base-is-past base-is-participle
  v "娶" codes=t1

entry weep
  v "哭泣" codes=i0

entry wet
  flags base-is-past base-is-participle
  v "弄湿" codes=t1
  adj "湿"

entry win
  v "赢" codes=t1,i0
  n "胜利" codes=C classes=event,possession

entry wind
  v "缠绕" codes=t1
  n "风" codes=U classes=weather

entry withdraw
  v "撤回" codes=t1
  v "取" codes=t1 constraints=1

entry withhold
  v "扣留" codes=t1

entry withstand
  v "经受住" codes=t1

entry wring
  v "拧" codes=t1

entry write
  v "写" codes=t1,d1,i0

entry abide
  v "忍受" codes=t1

entry befall
  v "降临" codes=t1

entry behold
  v "看见" codes=t1

entry forsake
  v "抛弃" codes=t1

entry hew
  v "砍" codes=t1

entry input
  flags base-is-past base-is-participle
  v "输入" codes=t1
  n "输入" codes=U classes=act

entry outdo
  v "胜过" codes=t1

entry outgrow
  v "长得太大而穿不下" codes=t1

entry override
  v "推翻" codes=t1

entry oversee
  v "监督" codes=t1

entry shear
  v "剪" codes=t1

entry slay
  v "杀死" codes=t1

entry stride
  v "大步走" codes=i0
  n "大步" codes=C,U classes=act,quantity

entry string
  v "串起" codes=t1
  n "绳子" codes=C,U classes=artifact classifier=33

entry unwind
  v "放松" codes=i0
  v "解开" codes=t1

entry uphold
  v "维护" codes=t1

entry mislay
  v "放错地方" codes=t1

entry retell
  v "复述" codes=t1

entry resell
  v "转卖" codes=t1

entry remake
  v "重做" codes=t1

entry rerun
  flags base-is-participle
  v "重播" codes=t1

entry reset
  flags base-is-past base-is-participle
  v "重新设置" codes=t1

entry thrive
  v "繁荣" codes=i0

entry sneak
  v "偷偷地走" codes=i0

entry babysit
  v "照看孩子" codes=i0,t1

entry overdo
  v "做得过分" codes=t1

entry overeat
  v "吃得过多" codes=i0

entry overpay
  v "多付" codes=t1,i0

entry overrun
  flags base-is-participle
  v "泛滥" codes=t1,i0

entry rethink
  v "重新考虑" codes=t1

entry rewind
  v "倒回" codes=t1

entry mishear
  v "听错" codes=t1

entry misspell
  v "拼错" codes=t1

entry proofread
  flags base-is-past base-is-participle
  v "校对" codes=t1,i0

entry undercut
  flags base-is-past base-is-participle
  v "削价与\o竞争" codes=t1

entry underpay
  v "少付工资给\o" codes=t1

entry underlie
  v "构成\o的基础" codes=t1

entry strew
  v "撒" codes=t1

entry slink
  v "溜走" codes=i0

entry smite
  v "重击" codes=t1

entry forgo
  v "放弃" codes=t1

entry retake
  v "重新夺回" codes=t1

entry outrun
  flags base-is-participle
  v "跑得比\o快" codes=t1

entry outbid
  flags base-is-past base-is-participle
  v "出价高于" codes=t1

entry arose
  REF arise form=ED

entry arisen
  REF arise form=EN

entry awoke
  REF awake form=ED

entry awoken
  REF awake form=EN

entry bore
  v "使\o厌烦" codes=t1
  REF bear form=ED

entry borne
  REF bear form=EN

entry beaten
  REF beat form=EN

entry became
  REF become form=ED

entry began
  REF begin form=ED

entry begun
  REF begin form=EN

entry bent
  REF bend form=PAST

entry bound
  adj "一定"
  REF bind form=PAST

entry bit
  n "一点" codes=C classes=quantity
  REF bite form=ED
  phrase "a bit"


entry bitten
  REF bite form=EN

entry bled
  REF bleed form=PAST

entry blew
  REF blow form=ED

entry blown
  REF blow form=EN

entry broke
  REF break form=ED
  adj "身无分文"

entry broken
  adj "坏了"
  REF break form=EN

entry bred
  REF breed form=PAST

entry brought
  REF bring form=PAST

entry built
  REF build form=PAST

entry burnt
  REF burn form=PAST

entry burned
  REF burn form=PAST

entry bought
  REF buy form=PAST

entry caught
  REF catch form=PAST

entry chose
  REF choose form=ED

entry chosen
  REF choose form=EN

entry clung
  REF cling form=PAST

entry came
  REF come form=ED

entry crept
  REF creep form=PAST

entry dealt
  REF deal form=PAST

entry dug
  REF dig form=PAST

entry dived
  REF dive form=PAST

entry dove
  n "鸽子" codes=C classes=animal classifier=3
  REF dive form=ED

entry drew
  REF draw form=ED

entry drawn
  REF draw form=EN

entry dreamt
  REF dream form=PAST

entry dreamed
  REF dream form=PAST

entry drank
  REF drink form=ED

entry drunk
  adj "醉"
  REF drink form=EN

entry drove
  REF drive form=ED

entry driven
  REF drive form=EN

entry dwelt
  REF dwell form=PAST

entry dwelled
  REF dwell form=PAST

entry ate
  REF eat form=ED

entry eaten
  REF eat form=EN

entry fell
  v "砍倒" codes=t1
  REF fall form=ED

entry fallen
  REF fall form=EN

entry fed
  REF feed form=PAST

entry felt
  n "毛毡" codes=U classes=substance
  REF feel form=PAST

entry fought
  REF fight form=PAST

entry found
  REF find form=PAST
  v "建立" codes=t1 constraints=1

entry fitted
  REF fit form=PAST

entry fled
  REF flee form=PAST

entry flung
  REF fling form=PAST

entry flew
  REF fly form=ED

entry flown
  REF fly form=EN

entry forbade
  REF forbid form=ED

entry forbidden
  REF forbid form=EN

entry foresaw
  REF foresee form=ED

entry foreseen
  REF foresee form=EN

entry forgot
  REF forget form=ED

entry forgotten
  adj "被遗忘的"
  REF forget form=EN

entry forgave
  REF forgive form=ED

entry forgiven
  REF forgive form=EN

entry froze
  REF freeze form=ED

entry frozen
  adj "冻结的"
  REF freeze form=EN

entry got
  REF get form=PAST

entry gotten
  REF get form=EN

entry gave
  REF give form=ED

entry given
  REF give form=EN

entry went
  REF go form=ED

entry gone
  REF go form=EN

entry ground
  n "地面" codes=C,U classes=place
  REF grind form=PAST

entry grew
  REF grow form=ED

entry grown
  REF grow form=EN

entry hung
  REF hang form=PAST

entry hanged
  REF hang form=PAST

entry heard
  REF hear form=PAST

entry hid
  REF hide form=ED

entry hidden
  adj "隐藏的"
  REF hide form=EN

entry held
  REF hold form=PAST

entry kept
  REF keep form=PAST

entry knelt
  REF kneel form=PAST

entry kneeled
  REF kneel form=PAST

entry knitted
  REF knit form=PAST

entry knew
  REF know form=ED

entry known
  adj "著名"
  REF know form=EN

entry laid
  REF lay form=PAST

entry led
  REF lead form=PAST

entry leant
  REF lean form=PAST

entry leaned
  REF lean form=PAST

entry leapt
  REF leap form=PAST

entry leaped
  REF leap form=PAST

entry learnt
  REF learn form=PAST

entry learned
  REF learn form=PAST

entry left
  adj "左边的"
  n "左边" codes=U classes=place
  adv "向左"
  REF leave form=PAST

entry lent
  REF lend form=PAST

entry lain
  REF lie form=EN

entry lit
  REF light form=PAST

entry lighted
  REF light form=PAST

entry lost
  adj "迷路"
  REF lose form=PAST

entry made
  REF make form=PAST

entry meant
  REF mean form=PAST

entry met
  REF meet form=PAST

entry misled
  REF mislead form=PAST

entry mistook
  REF mistake form=ED

entry mistaken
  adj "错误的"
  REF mistake form=EN

entry misunderstood
  REF misunderstand form=PAST

entry mowed
  REF mow form=PAST

entry mown
  REF mow form=EN

entry overcame
  REF overcome form=ED

entry overheard
  REF overhear form=PAST

entry overslept
  REF oversleep form=PAST

entry overtook
  REF overtake form=ED

entry overtaken
  REF overtake form=EN

entry overthrew
  REF overthrow form=ED

entry overthrown
  REF overthrow form=EN

entry paid
  REF pay form=PAST

entry pleaded
  REF plead form=PAST

entry pled
  REF plead form=PAST

entry proved
  REF prove form=PAST

entry proven
  REF prove form=EN

entry rebuilt
  REF rebuild form=PAST

entry redid
  REF redo form=ED

entry redone
  REF redo form=EN

entry repaid
  REF repay form=PAST

entry rewrote
  REF rewrite form=ED

entry rewritten
  REF rewrite form=EN

entry rode
  REF ride form=ED

entry ridden
  REF ride form=EN

entry rang
  REF ring form=ED

entry rung
  REF ring form=EN

entry rose
  n "玫瑰" codes=C classes=plant classifier=22
  REF rise form=ED

entry risen
  REF rise form=EN

entry ran
  REF run form=ED

entry sawed
  REF saw form=PAST

entry sawn
  REF saw form=EN

entry said
  REF say form=PAST

entry seen
  REF see form=EN

entry sought
  REF seek form=PAST

entry sold
  REF sell form=PAST

entry sent
  REF send form=PAST

entry sewed
  REF sew form=PAST

entry sewn
  REF sew form=EN

entry shook
  REF shake form=ED

entry shaken
  REF shake form=EN

entry shone
  REF shine form=PAST

entry shined
  REF shine form=PAST

entry shot
  n "射击" codes=C classes=act
  REF shoot form=PAST

entry showed
  REF show form=PAST

entry shown
  REF show form=EN

entry shrank
  REF shrink form=ED

entry shrunk
  REF shrink form=EN

entry sang
  REF sing form=ED

entry sung
  REF sing form=EN

entry sank
  REF sink form=ED

entry sunk
  REF sink form=EN

entry sat
  REF sit form=PAST

entry slept
  REF sleep form=PAST

entry slid
  REF slide form=PAST

entry slung
  REF sling form=PAST

entry smelt
  REF smell form=PAST

entry smelled
  REF smell form=PAST

entry sowed
  REF sow form=PAST

entry sown
  REF sow form=EN

entry spoke
  n "辐条" codes=C classes=artifact classifier=33
  REF speak form=ED

entry spoken
  adj "口头的"
  REF speak form=EN

entry sped
  REF speed form=PAST

entry speeded
  REF speed form=PAST

entry spelt
  REF spell form=PAST

entry spelled
  REF spell form=PAST

entry spent
  REF spend form=PAST

entry spilt
  REF spill form=PAST

entry spilled
  REF spill form=PAST

entry spun
  REF spin form=PAST

entry spat
  REF spit form=PAST

entry spoilt
  REF spoil form=PAST

entry spoiled
  REF spoil form=PAST

entry sprang
  REF spring form=ED

entry sprung
  REF spring form=EN

entry stood
  REF stand form=PAST

entry stole
  REF steal form=ED

entry stolen
  adj "被偷的"
  REF steal form=EN

entry stuck
  REF stick form=PAST

entry stung
  REF sting form=PAST

entry stank
  REF stink form=ED

entry stunk
  REF stink form=EN

entry struck
  REF strike form=PAST

entry strove
  REF strive form=ED

entry striven
  REF strive form=EN

entry swore
  REF swear form=ED

entry sworn
  REF swear form=EN

entry swept
  REF sweep form=PAST

entry swelled
  REF swell form=PAST

entry swollen
  REF swell form=EN

entry swam
  REF swim form=ED

entry swum
  REF swim form=EN

entry swung
  REF swing form=PAST

entry took
  REF take form=ED

entry taken
  REF take form=EN

entry taught
  REF teach form=PAST

entry tore
  REF tear form=ED

entry torn
  REF tear form=EN

entry told
  REF tell form=PAST

entry thought
  n "想法" codes=C classes=cognition
  REF think form=PAST

entry threw
  REF throw form=ED

entry thrown
  REF throw form=EN

entry trod
  REF tread form=ED

entry trodden
  REF tread form=EN

entry understood
  REF understand form=PAST

entry underwent
  REF undergo form=ED

entry undergone
  REF undergo form=EN

entry undertook
  REF undertake form=ED

entry undertaken
  REF undertake form=EN

entry undid
  REF undo form=ED

entry undone
  REF undo form=EN

entry woke
  REF wake form=ED

entry woken
  REF wake form=EN

entry wore
  REF wear form=ED

entry worn
  adj "穿旧的"
  REF wear form=EN

entry wove
  REF weave form=ED

entry woven
  REF weave form=EN

entry wedded
  REF wed form=PAST

entry wept
  REF weep form=PAST

entry wetted
  REF wet form=PAST

entry won
  REF win form=PAST

entry wound
  n "伤口" codes=C classes=body
  v "使\o受伤" codes=t1
  REF wind form=PAST

entry withdrew
  REF withdraw form=ED

entry withdrawn
  REF withdraw form=EN

entry withheld
  REF withhold form=PAST

entry withstood
  REF withstand form=PAST

entry wrung
  REF wring form=PAST

entry wrote
  REF write form=ED

entry written
  adj "书面的"
  REF write form=EN

entry abode
  REF abide form=PAST

entry abided
  REF abide form=PAST

entry befell
  REF befall form=ED

entry befallen
  REF befall form=EN

entry beheld
  REF behold form=PAST

entry forsook
  REF forsake form=ED

entry forsaken
  REF forsake form=EN

entry hewed
  REF hew form=PAST

entry hewn
  REF hew form=EN

entry outdid
  REF outdo form=ED

entry outdone
  REF outdo form=EN

entry outgrew
  REF outgrow form=ED

entry outgrown
  REF outgrow form=EN

entry overrode
  REF override form=ED

entry overridden
  REF override form=EN

entry oversaw
  REF oversee form=ED

entry overseen
  REF oversee form=EN

entry sheared
  REF shear form=PAST

entry shorn
  REF shear form=EN

entry slew
  REF slay form=ED

entry slain
  REF slay form=EN

entry strode
  REF stride form=ED

entry stridden
  REF stride form=EN

entry strung
  REF string form=PAST

entry unwound
  REF unwind form=PAST

entry upheld
  REF uphold form=PAST

entry mislaid
  REF mislay form=PAST

entry retold
  REF retell form=PAST

entry resold
  REF resell form=PAST

entry remade
  REF remake form=PAST

entry reran
  REF rerun form=ED

entry throve
  REF thrive form=ED

entry thrived
  REF thrive form=PAST

entry thriven
  REF thrive form=EN

entry snuck
  REF sneak form=PAST

entry sneaked
  REF sneak form=PAST

entry babysat
  REF babysit form=PAST

entry overdid
  REF overdo form=ED

entry overdone
  REF overdo form=EN

entry overate
  REF overeat form=ED

entry overeaten
  REF overeat form=EN

entry overpaid
  REF overpay form=PAST

entry overran
  REF overrun form=ED

entry rethought
  REF rethink form=PAST

entry rewound
  REF rewind form=PAST

entry misheard
  REF mishear form=PAST

entry misspelt
  REF misspell form=PAST

entry misspelled
  REF misspell form=PAST

entry underpaid
  REF underpay form=PAST

entry underlay
  REF underlie form=ED

entry underlain
  REF underlie form=EN

entry strewed
  REF strew form=PAST

entry strewn
  REF strew form=EN

entry slunk
  REF slink form=PAST

entry smote
  REF smite form=ED

entry smitten
  REF smite form=EN

entry forwent
  REF forgo form=ED

entry forgone
  REF forgo form=EN

entry retook
  REF retake form=ED

entry retaken
  REF retake form=EN

entry outran
  REF outrun form=ED

# -ing forms the spelling rules cannot undo ("using" would be taken for
# "us" with an ending), and their base words.

entry lying
  REF lie form=ING

entry dying
  REF die form=ING

entry tying
  REF tie form=ING

entry vying
  REF vie form=ING

entry using
  REF use form=ING

entry die
  v "死" codes=i0

entry tie
  v "系" codes=t1
  n "领带" codes=C classes=clothing classifier=5

entry vie
  v "竞争" codes=i0

entry born
  adj "出生"
