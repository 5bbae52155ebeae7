"""Hand-made tables the importer applies on top of ECDICT and WordNet.

Written for this importer; every Chinese text here was chosen by hand.
"""

# Classifier numbers (the aux-name slots of 00-tables.lex).
GE, BEN, ZHI, ZHANG, TIAO, JIAN, LIANG, WEI, JIA, TOU, KE, BA, TAI, ZUO, \
    JIAN_ROOM, FENG, SHOU, BU, ZHI_STICK, KUAI, PIAN, DUO, SHUANG, BEI, PING, \
    WAN, CI, ZHONG, PIAN_TEXT, FEN, PI, KE_GRAIN, GEN, FU, CENG, SUO, MING, \
    CHANG, JIA_FRAME, SOU, DING, ZHI_BRANCH, LI, MIAN, SHAN, ZHAN, XIANG, MEN, \
    DAO, JU = range(1, 51)
MEASURE = 51   # a unit that measures itself: no classifier after a number (三公里, 十欧元)

# Nouns that take a classifier by the WordNet synset they descend from:
# (lemma, sense number, classifier). The nearest ancestor listed wins.
CLASSIFIER_SYNSETS = [
    ("book", 1, BEN), ("book", 2, BEN), ("magazine", 1, BEN), ("magazine", 2, BEN),
    ("dictionary", 1, BEN), ("notebook", 1, BEN),
    ("newspaper", 1, FEN), ("newspaper", 2, FEN), ("report", 1, FEN),
    ("animal", 1, ZHI), ("bird", 1, ZHI), ("fish", 1, TIAO), ("snake", 1, TIAO),
    ("horse", 1, PI), ("bovine", 1, TOU), ("swine", 1, TOU), ("elephant", 1, TOU),
    ("tree", 1, KE), ("flower", 1, DUO),
    ("person", 1, GE),
    ("wheeled_vehicle", 1, LIANG), ("motor_vehicle", 1, LIANG), ("car", 1, LIANG),
    ("ship", 1, SOU), ("boat", 1, TIAO), ("aircraft", 1, JIA_FRAME),
    ("building", 1, ZUO), ("mountain", 1, ZUO), ("bridge", 1, ZUO),
    ("city", 1, ZUO), ("tower", 1, ZUO), ("island", 1, ZUO),
    ("room", 1, JIAN_ROOM),
    ("letter", 1, FENG), ("song", 1, SHOU), ("poem", 1, SHOU),
    ("movie", 1, BU), ("telephone", 1, BU), ("novel", 1, BU),
    ("pen", 1, ZHI_STICK), ("pencil", 1, ZHI_STICK), ("gun", 1, ZHI_STICK),
    ("cigarette", 1, ZHI_STICK), ("team", 1, ZHI_STICK), ("army", 1, ZHI_STICK),
    ("garment", 1, JIAN), ("shoe", 1, SHUANG),
    ("road", 1, TIAO), ("street", 1, TIAO), ("river", 1, TIAO), ("line", 1, TIAO),
    ("rope", 1, TIAO), ("trouser", 1, TIAO), ("skirt", 1, TIAO),
    ("table", 2, ZHANG), ("desk", 1, ZHANG), ("bed", 1, ZHANG),
    ("photograph", 1, ZHANG), ("map", 1, ZHANG), ("ticket", 1, ZHANG),
    ("card", 1, ZHANG), ("sheet", 2, ZHANG), ("face", 1, ZHANG),
    ("chair", 1, BA), ("knife", 1, BA), ("key", 1, BA), ("umbrella", 1, BA),
    ("sword", 1, BA), ("scissors", 1, BA),
    ("machine", 1, TAI), ("computer", 1, TAI), ("television_receiver", 1, TAI),
    ("camera", 1, TAI), ("engine", 1, TAI),
    ("painting", 1, FU), ("picture", 1, FU),
    ("article", 1, PIAN_TEXT), ("essay", 1, PIAN_TEXT),
    ("lamp", 1, ZHAN), ("door", 1, SHAN), ("window", 1, SHAN),
    ("hat", 1, DING), ("tooth", 1, KE_GRAIN), ("star", 1, KE_GRAIN),
    ("unit_of_measurement", 1, MEASURE), ("monetary_unit", 1, MEASURE),
    ("mirror", 1, MIAN), ("flag", 1, MIAN), ("wall", 1, MIAN),
    ("school", 1, SUO), ("college", 1, SUO), ("university", 1, SUO),
    ("company", 1, JIA), ("shop", 1, JIA), ("restaurant", 1, JIA),
    ("hospital", 1, JIA), ("hotel", 1, JIA), ("bank", 2, JIA), ("factory", 1, JIA),
    ("game", 1, CHANG), ("war", 1, CHANG), ("meeting", 1, CHANG),
    ("film", 3, BU), ("sentence", 1, JU), ("course", 1, MEN),
    ("task", 1, XIANG), ("project", 1, XIANG),
    ("stone", 2, KUAI), ("leaf", 1, PIAN),
    ("cup", 1, ZHI), ("bag", 1, ZHI),
]

# Classifier by semantic class when no synset above applies.
CLASSIFIER_BY_CLASS = {"animal": ZHI, "human": GE}

# Single words whose classifier is set by hand.
CLASSIFIER_WORDS = {
    # Words whose first WordNet sense is a unit but whose everyday one is not.
    "unit": GE, "mole": GE, "grad": GE, "frail": GE, "lea": GE, "footer": GE, "miler": GE,
    "pounder": GE, "welterweight": GE, "nibble": GE,
    "dog": ZHI, "cat": ZHI, "cow": TOU, "pig": TOU, "ox": TOU, "horse": PI,
    "fish": TIAO, "paper": ZHANG, "road": TIAO, "river": TIAO, "teacher": WEI,
    "doctor": WEI, "professor": WEI, "guest": WEI, "gentleman": WEI, "lady": WEI,
    "family": GE, "thing": JIAN, "matter": JIAN, "affair": JIAN, "shirt": JIAN,
    "coat": JIAN, "news": TIAO, "idea": GE, "question": GE, "problem": GE,
    "house": ZUO, "home": GE, "bicycle": LIANG, "bus": LIANG, "truck": LIANG,
    "plane": JIA_FRAME, "piano": JIA_FRAME, "film": BU, "movie": BU, "story": GE,
    "lesson": GE, "pen": ZHI_STICK, "letter": FENG, "song": SHOU, "computer": TAI,
    "pair": SHUANG, "glass": ZHI, "bottle": GE, "bowl": GE, "egg": GE,
    "apple": GE, "orange": GE, "banana": GE, "word": GE, "mistake": GE,
}

# Semantic classes beyond the lexicographer files, by synset ancestry.
SPECIAL_CLASS_SYNSETS = [
    ("money", 1, "money"), ("currency", 1, "money"),
    ("vehicle", 1, "vehicle"), ("conveyance", 3, "vehicle"),
    ("building", 1, "building"), ("clothing", 1, "clothing"),
    ("garment", 1, "clothing"), ("tool", 1, "tool"), ("implement", 1, "tool"),
    ("weather", 1, "weather"), ("atmospheric_phenomenon", 1, "weather"),
    ("language", 1, "language"), ("disease", 1, "disease"),
    ("illness", 1, "disease"), ("color", 1, "color"), ("chromatic_color", 1, "color"),
    ("music", 1, "music"), ("musical_instrument", 1, "music"),
]

# Lexicographer files whose nouns are mass nouns unless ECDICT gives a plural.
MASS_LEXFILES = {"substance", "food", "feeling", "attribute", "state",
                 "phenomenon", "process", "cognition", "communication", "act",
                 "possession"}

# Nouns that are uncountable in English whatever the sources suggest.
MASS_NOUNS = set("""
advice information furniture luggage baggage equipment homework housework
knowledge news research evidence progress traffic weather music money rice
water milk bread butter cheese meat sugar salt tea coffee juice wine beer oil
gold silver iron steel wood paper glass air smoke snow rain ice sand dust
mud soil grass hair wool cotton silk leather plastic clothing jewellery
jewelry machinery scenery poetry software hardware mail garbage rubbish
trash litter fun health wealth happiness sadness anger courage patience
honesty luck justice freedom peace violence permission behaviour behavior
fruit soup flour pasta spaghetti honey chocolate cream yogurt cereal
electricity gasoline petrol fuel accommodation pollution vocabulary
grammar wildlife stuff cash damage transport transportation education
""".split())

# Nouns with both uses in common speech.
COUNT_AND_MASS = set("""
time room space experience paper glass hair light work business war life
noise food fish chicken cake coffee tea beer wine cheese stone iron
""".split())

# Adverb flags for the adverbs the parser should place like frequency words.
_MID = "mid-position"
ADVERB_FLAGS = {
    "always": _MID, "usually": _MID, "often": _MID, "sometimes": _MID,
    "seldom": _MID, "rarely": _MID, "never": _MID, "ever": _MID,
    "already": _MID, "just": _MID, "still": _MID, "also": _MID,
    "even": _MID, "really": _MID, "almost": _MID, "probably": _MID,
    "hardly": _MID, "certainly": _MID, "definitely": _MID, "surely": _MID,
    "frequently": _MID, "generally": _MID, "normally": _MID, "finally": _MID,
    "actually": _MID, "nearly": _MID, "merely": _MID, "simply": _MID,
    "once": _MID, "recently": _MID, "suddenly": _MID, "immediately": _MID,
    "now": "after-prep", "today": "after-prep|predicative",
    "tomorrow": "after-prep|predicative", "yesterday": "after-prep|predicative",
    "tonight": "after-prep|predicative", "home": "predicative|after-prep",
    "abroad": "predicative|after-prep", "away": "predicative",
    "back": "predicative", "upstairs": "predicative|after-prep",
    "downstairs": "predicative|after-prep", "everywhere": "predicative|after-prep",
    "somewhere": "predicative|after-prep", "nowhere": "predicative|after-prep",
    "anywhere": "predicative|after-prep", "elsewhere": "predicative|after-prep",
    "ago": "not-before-adj", "too": "not-before-adj", "very": 0, "quite": 0,
    "about": "num-modifier", "approximately": "num-modifier",
    "nearly": "num-modifier|mid-position", "almost": "num-modifier|mid-position",
    "only": "num-modifier", "exactly": "num-modifier", "roughly": "num-modifier",
}

# Domains of noun senses (the topic numbers of sense choice).
FINANCE, LAW, COMPUTING, MEDICINE, SPORT, ARTS, MILITARY, NATURE, POLITICS, \
    EDUCATION, COOKING, TRANSPORT = range(1, 13)


def _n(text, codes="C", classes=(), domain=0, classifier=0, context=""):
    f = {"codes": codes.split(","), "classes": list(classes)}
    if domain:
        f["domain"] = domain
    if classifier:
        f["classifier"] = classifier
    if context:
        f["context"] = context
    return ("n", text, f)


def _v(text, codes):
    return ("v", text, {"codes": set(codes.split(","))})


# Words whose meanings differ enough to need several senses, each with a
# domain and context words that sense choice can go by. These replace the
# imported senses of the same category.
CURATED = {
    "bank": [_n("银行", "C", ["group", "building", "money"], FINANCE, JIA, "money account loan cash deposit interest"),
             _n("岸", "C", ["object", "place"], NATURE, 0, "river water lake fishing shore")],
    "bat": [_n("球棒", "C", ["artifact"], SPORT, GEN, "ball baseball cricket hit player"),
            _n("蝙蝠", "C", ["animal"], NATURE, ZHI, "cave night wing fly animal")],
    "plant": [_n("植物", "C", ["plant"], NATURE, KE, "grow leaf garden water flower seed"),
              _n("工厂", "C", ["artifact", "building"], 0, JIA, "factory worker power production industry")],
    "spring": [_n("春天", "U", ["time"], 0, 0, "season summer winter autumn weather"),
               _n("泉", "C", ["object"], NATURE, 0, "water hot mountain"),
               _n("弹簧", "C", ["artifact"], 0, GEN, "metal coil machine")],
    "letter": [_n("信", "C", ["communication"], 0, FENG, "write send mail post envelope"),
               _n("字母", "C", ["communication"], EDUCATION, GE, "alphabet word capital spell")],
    "bill": [_n("账单", "C", ["communication", "money"], FINANCE, ZHANG, "pay restaurant money price"),
             _n("议案", "C", ["communication"], POLITICS, GE, "law congress parliament vote senate"),
             _n("钞票", "C", ["money"], FINANCE, ZHANG, "dollar note")],
    "court": [_n("法院", "C", ["group", "building"], LAW, GE, "judge law trial case lawyer"),
              _n("球场", "C", ["place"], SPORT, GE, "tennis basketball player game")],
    "cell": [_n("细胞", "C", ["body"], MEDICINE, GE, "blood body cancer biology"),
             _n("牢房", "C", ["place"], LAW, JIAN_ROOM, "prison prisoner jail"),
             _n("电池", "C", ["artifact"], 0, 0, "battery solar power")],
    "match": [_n("比赛", "C", ["event"], SPORT, CHANG, "team player win football game score"),
              _n("火柴", "C", ["artifact"], 0, GEN, "fire light box cigarette")],
    "mouse": [_n("老鼠", "C", ["animal"], NATURE, ZHI, "cat cheese animal hole"),
              _n("鼠标", "C", ["artifact"], COMPUTING, GE, "computer click screen keyboard")],
    "key": [_n("钥匙", "C", ["artifact"], 0, BA, "door lock open car"),
            _n("键", "C", ["artifact"], COMPUTING, GE, "keyboard press computer piano"),
            _n("关键", "U", ["attribute"], 0, 0, "success important answer")],
    "interest": [_n("兴趣", "U", ["feeling"], 0, 0, "hobby like enjoy"),
                 _n("利息", "U", ["possession", "money"], FINANCE, 0, "bank rate loan money")],
    "party": [_n("聚会", "C", ["event"], 0, CI, "birthday dance invite music"),
              _n("政党", "C", ["group"], POLITICS, GE, "election vote political government")],
    "case": [_n("情况", "C", ["state"], 0, GE, ""),
             _n("案件", "C", ["event"], LAW, JIAN, "police court murder crime judge"),
             _n("箱子", "C", ["artifact"], 0, ZHI, "pack carry suit")],
    "right": [_n("权利", "C", ["attribute"], POLITICS, XIANG, "law human freedom vote"),
              _n("右边", "U", ["place"], 0, 0, "left turn side")],
    "state": [_n("州", "C", ["place"], POLITICS, GE, "government federal capital country"),
              _n("状态", "C", ["state"], 0, ZHONG, "condition mind")],
    "power": [_n("权力", "U", ["attribute"], POLITICS, 0, "government political control"),
              _n("电力", "U", ["phenomenon"], 0, 0, "electricity plant energy station")],
    "club": [_n("俱乐部", "C", ["group"], 0, GE, "member join football"),
             _n("棍棒", "C", ["artifact"], 0, GEN, "golf hit")],
    "fan": [_n("迷", "C", ["human"], SPORT, GE, "football team music star"),
            _n("扇子", "C", ["artifact"], 0, BA, "hot cool air wind")],
    "band": [_n("乐队", "C", ["group"], ARTS, ZHI_STICK, "music rock play song concert"),
             _n("带子", "C", ["artifact"], 0, TIAO, "rubber hair")],
    "chip": [_n("芯片", "C", ["artifact"], COMPUTING, GE, "computer memory electronic"),
             _n("薯条", "C", ["food"], COOKING, GE, "fish potato eat")],
    "screen": [_n("屏幕", "C", ["artifact"], COMPUTING, GE, "computer television phone")],
    "program": [_n("程序", "C", ["communication"], COMPUTING, GE, "computer software code run"),
                _n("节目", "C", ["communication"], 0, GE, "television radio show watch")],
    "programme": [_n("节目", "C", ["communication"], 0, GE, "television radio show watch"),
                  _n("计划", "C", ["cognition"], 0, XIANG, "government project")],
    "fine": [_n("罚款", "C", ["possession", "money"], LAW, 0, "pay police court")],
    "sentence": [_n("句子", "C", ["communication"], EDUCATION, JU, "word grammar write"),
                 _n("判决", "C", ["act"], LAW, GE, "prison court judge")],
    "trunk": [_n("树干", "C", ["plant"], NATURE, GE, "tree branch"),
              _n("象鼻", "C", ["body"], NATURE, GE, "elephant"),
              _n("后备箱", "C", ["artifact"], TRANSPORT, GE, "car")],
    "seal": [_n("海豹", "C", ["animal"], NATURE, ZHI, "sea ice animal"),
             _n("印章", "C", ["artifact"], 0, GE, "official stamp")],
    "pitch": [_n("球场", "C", ["place"], SPORT, GE, "football player"),
              _n("音高", "U", ["attribute"], ARTS, 0, "music voice note")],
    "organ": [_n("器官", "C", ["body"], MEDICINE, GE, "body heart transplant"),
              _n("风琴", "C", ["artifact", "music"], ARTS, JIA_FRAME, "church music play")],
    "capital": [_n("首都", "C", ["place"], POLITICS, GE, "city country government"),
                _n("资本", "U", ["possession", "money"], FINANCE, 0, "investment money market"),
                _n("大写字母", "C", ["communication"], EDUCATION, GE, "letter write")],
    "table": [_n("桌子", "C", ["artifact"], 0, ZHANG, "chair sit eat kitchen"),
              _n("表格", "C", ["communication"], 0, ZHANG, "data column row")],
    "glass": [_n("玻璃", "U", ["substance"], 0, 0, "window broken"),
              _n("杯子", "C", ["artifact"], 0, BEI, "drink water wine milk")],
    "paper": [_n("纸", "U", ["substance"], 0, ZHANG, "write pen sheet"),
              _n("报纸", "C", ["communication"], 0, FEN, "read news newspaper"),
              _n("论文", "C", ["communication"], EDUCATION, PIAN_TEXT, "research publish scientist")],
    "train": [_n("火车", "C", ["artifact", "vehicle"], TRANSPORT, LIANG, "station railway ticket")],
    "watch": [_n("手表", "C", ["artifact"], 0, KUAI, "time wrist clock")],
    "race": [_n("比赛", "C", ["event"], SPORT, CHANG, "run win car horse"),
             _n("种族", "C", ["group"], 0, GE, "ethnic people human")],
    "wave": [_n("波浪", "C", ["object"], NATURE, GE, "sea ocean water beach")],
    "note": [_n("笔记", "C", ["communication"], EDUCATION, GE, "write take class"),
             _n("音符", "C", ["communication"], ARTS, GE, "music play")],
    "market": [_n("市场", "C", ["place"], FINANCE, GE, "price stock sell buy")],
    "stock": [_n("股票", "C", ["possession"], FINANCE, ZHI_STICK, "market share price investor")],
    "file": [_n("文件", "C", ["communication"], COMPUTING, GE, "computer document open save")],
    "virus": [_n("病毒", "C", ["thing"], MEDICINE, ZHONG, "infection disease")],
    "web": [_n("网络", "C", ["artifact"], COMPUTING, GE, "site internet page"),
            _n("蜘蛛网", "C", ["artifact"], NATURE, ZHANG, "spider")],
    "page": [_n("页", "C", ["communication"], 0, MEASURE, "book read")],
    "square": [_n("广场", "C", ["place"], 0, GE, "city center people"),
               _n("正方形", "C", ["shape"], EDUCATION, GE, "shape circle triangle")],
    "ring": [_n("戒指", "C", ["artifact"], 0, GE, "finger gold marry wedding")],
    "nail": [_n("钉子", "C", ["artifact"], 0, GE, "hammer wood"),
             _n("指甲", "C", ["body"], 0, GE, "finger toe")],
    "ruler": [_n("尺子", "C", ["artifact"], EDUCATION, BA, "measure line draw"),
              _n("统治者", "C", ["human"], POLITICS, GE, "king country empire")],
    "pupil": [_n("学生", "C", ["human"], EDUCATION, GE, "school teacher class"),
              _n("瞳孔", "C", ["body"], MEDICINE, GE, "eye")],
}


# The first Chinese equivalent of a part of speech, where the source's first
# choice is not the everyday one (None drops that part of speech).
PREFERRED = {
    "feeling": {"n": "感觉"}, "industry": {"n": "工业"}, "division": {"n": "部门"},
    "sector": {"n": "部门"}, "series": {"n": "系列"}, "version": {"n": "版本"},
    "facility": {"n": "设施"}, "element": {"n": "元素"}, "network": {"n": "网络"},
    "performance": {"n": "表现"}, "violence": {"n": "暴力"}, "reality": {"n": "现实"},
    "pattern": {"n": "模式"}, "account": {"n": "账户"}, "council": {"n": "委员会"},
    "player": {"n": "选手"}, "remove": {"v": "除去"}, "site": {"n": "地点"},
    "energy": {"n": "能量"}, "evidence": {"n": "证据"}, "mum": {"n": "妈妈", "adj": None},
    "kid": {"n": "小孩"}, "lady": {"n": "女士"}, "sense": {"n": "感觉"},
    "section": {"n": "部分"}, "going": {"n": None}, "graham": {"adj": None},
    "tony": {"adj": None}, "industrial": {"adj": "工业"}, "issue": {"n": "问题"},
    "really": {"adv": "真的"}, "again": {"adv": "再"}, "yeah": {"adv": "是的"},
    "actually": {"adv": "其实"}, "certainly": {"adv": "当然"}, "immediately": {"adv": "立即"},
    "simply": {"adv": "简直"}, "current": {"n": "水流", "adj": "当前"},
    "great": {"adj": "伟大"}, "large": {"adj": "大"}, "mind": {"n": "头脑"},
    "body": {"n": "身体"}, "information": {"n": "信息"}, "business": {"n": "生意"},
    "nice": {"adj": "好"}, "fine": {"adj": "好"}, "okay": {"adj": "好", "adv": "好"},
    "ok": {"adj": "好", "adv": "好"}, "sorry": {"adj": "抱歉"}, "glad": {"adj": "高兴"},
    "happy": {"adj": "快乐"}, "afraid": {"adj": "害怕"}, "busy": {"adj": "忙"},
    "tired": {"adj": "累"}, "hungry": {"adj": "饿"}, "sick": {"adj": "生病"},
    "beautiful": {"adj": "美丽"}, "pretty": {"adj": "漂亮", "adv": "相当"},
    "easy": {"adj": "容易"}, "difficult": {"adj": "困难"}, "hard": {"adj": "难", "adv": "努力"},
    "late": {"adj": "晚", "adv": "晚"}, "early": {"adj": "早", "adv": "早"},
    "soon": {"adv": "很快"}, "yesterday": {"adv": "昨天", "n": "昨天"},
    "tomorrow": {"adv": "明天", "n": "明天"}, "today": {"adv": "今天", "n": "今天"},
    "tonight": {"adv": "今晚", "n": "今晚"}, "home": {"n": "家", "adv": "回家"},
    "house": {"n": "房子"}, "car": {"n": "汽车"}, "room": {"n": "房间"},
    "friend": {"n": "朋友"}, "father": {"n": "父亲"}, "mother": {"n": "母亲"},
    "dad": {"n": "爸爸"}, "mom": {"n": "妈妈"}, "teacher": {"n": "老师"},
    "student": {"n": "学生"}, "job": {"n": "工作"}, "money": {"n": "钱"},
    "dog": {"n": "狗"}, "cat": {"n": "猫"}, "bird": {"n": "鸟"}, "horse": {"n": "马"},
    "game": {"n": "游戏"}, "story": {"n": "故事"}, "question": {"n": "问题"},
    "problem": {"n": "问题"}, "idea": {"n": "主意"}, "answer": {"n": "答案", "v": "回答"},
    "help": {"v": "帮助", "n": "帮助"}, "want": {"v": "想要", "n": "需要"},
    "eat": {"v": "吃"}, "drink": {"v": "喝", "n": "饮料"}, "buy": {"v": "买"},
    "sell": {"v": "卖"}, "read": {"v": "读"}, "write": {"v": "写"}, "sleep": {"v": "睡觉", "n": "睡眠"},
    "walk": {"v": "走", "n": "散步"}, "speak": {"v": "说"}, "talk": {"v": "谈话", "n": "谈话"},
    "tell": {"v": "告诉"}, "ask": {"v": "问"}, "call": {"v": "叫", "n": "电话"},
    "meet": {"v": "遇见"}, "leave": {"v": "离开", "n": "假期"}, "arrive": {"v": "到达"},
    "wait": {"v": "等"}, "stay": {"v": "留下"}, "live": {"v": "住", "adj": "活"},
    "love": {"v": "爱", "n": "爱"}, "hate": {"v": "讨厌"}, "hope": {"v": "希望", "n": "希望"},
    "wish": {"v": "希望"}, "understand": {"v": "明白"}, "forget": {"v": "忘记"},
    "remember": {"v": "记得"}, "learn": {"v": "学习"}, "study": {"v": "学习", "n": "学习"},
    "finish": {"v": "完成"}, "open": {"v": "打开", "adj": "开着"}, "close": {"v": "关", "adj": "近"},
    "start": {"v": "开始"}, "stop": {"v": "停止"}, "play": {"v": "玩"},
    "watch": {"v": "看"}, "look": {"v": "看"}, "listen": {"v": "听"}, "hear": {"v": "听到"},
    "feel": {"v": "感觉"}, "seem": {"v": "似乎"}, "become": {"v": "成为"},
    "bring": {"v": "带来"}, "carry": {"v": "携带"}, "send": {"v": "寄"},
    "pay": {"v": "付"}, "spend": {"v": "花"}, "cost": {"v": "花费", "n": "成本"},
    "cook": {"v": "做饭", "n": "厨师"}, "clean": {"v": "打扫", "adj": "干净"},
    "wash": {"v": "洗"}, "swim": {"v": "游泳"}, "sing": {"v": "唱"}, "dance": {"v": "跳舞", "n": "舞蹈"},
    "travel": {"v": "旅行", "n": "旅行"}, "visit": {"v": "拜访", "n": "访问"},
    "drive": {"v": "开车"}, "ride": {"v": "骑"}, "fly": {"v": "飞"},
    "climb": {"v": "爬"}, "believe": {"v": "相信"}, "decide": {"v": "决定"},
    "agree": {"v": "同意"}, "explain": {"v": "解释"}, "choose": {"v": "选择"},
    "lose": {"v": "失去"}, "win": {"v": "赢"}, "fall": {"v": "落下", "n": "秋天"},
    "break": {"v": "打破"}, "happen": {"v": "发生"}, "change": {"v": "改变", "n": "变化"},
    "move": {"v": "移动"}, "turn": {"v": "转"}, "keep": {"v": "保持"},
    "hold": {"v": "拿着"}, "catch": {"v": "抓住"}, "throw": {"v": "扔"},
    "kill": {"v": "杀死"}, "die": {"v": "死"}, "smile": {"v": "微笑"},
    "laugh": {"v": "笑"}, "cry": {"v": "哭"}, "worry": {"v": "担心"},
    "miss": {"v": "想念"}, "borrow": {"v": "借"}, "lend": {"v": "借给"},
    "apply": {"v": "申请"}, "realize": {"v": "意识到"}, "realise": {"v": "意识到"},
    "challenge": {"v": "挑战"}, "represent": {"v": "代表"}, "tend": {"v": "倾向"},
    "treat": {"v": "对待"}, "wonder": {"v": "想知道"}, "suppose": {"v": "认为"},
    "address": {"v": "处理", "n": "地址"}, "improve": {"v": "改善"}, "protect": {"v": "保护"},
    "support": {"v": "支持"}, "perform": {"v": "表演"}, "prevent": {"v": "阻止"},
    "share": {"v": "分享"}, "invite": {"v": "邀请"}, "marry": {"v": "和\\o结婚"}, "promise": {"v": "答应", "n": "诺言"},
    # The equivalent of today's written Chinese where ECDICT's first one is
    # dated, narrow or another word's (fairly 美观, related 讲述, video 影像).
    "global": {"adj": "全球"}, "former": {"adj": "前"}, "famous": {"adj": "著名"},
    "video": {"n": "视频"}, "online": {"adj": "在线", "adv": "在线"}, "available": {"adj": "可用"},
    "slightly": {"adv": "稍微"}, "religious": {"adj": "宗教"}, "previous": {"adj": "以前"},
    "mostly": {"adv": "大多"}, "learning": {"n": "学习"}, "amount": {"n": "数量"},
    "willing": {"adj": "愿意"}, "trouble": {"n": "麻烦"}, "strong": {"adj": "强大"},
    "soviet": {"adj": "苏联"}, "unique": {"adj": "独特"}, "warm": {"adj": "温暖"},
    "limited": {"adj": "有限"}, "grand": {"adj": "宏伟"}, "pole": {"n": "杆"},
    "crude": {"adj": "粗糙", "n": "原油"}, "accident": {"n": "事故"}, "effect": {"n": "影响"},
    "roughly": {"adv": "大约"}, "fairly": {"adv": "相当"}, "officially": {"adv": "正式"},
    "dramatically": {"adv": "大幅"}, "directly": {"adv": "直接"}, "closely": {"adv": "密切"},
    "fully": {"adv": "完全"}, "specifically": {"adv": "专门"}, "economic": {"adj": "经济"},
    "financial": {"adj": "金融"}, "civil": {"adj": "公民"}, "comparable": {"adj": "可比"},
    "interactive": {"adj": "互动"}, "related": {"adj": "相关"}, "rare": {"adj": "罕见"},
    "peaceful": {"adj": "和平"}, "personal": {"adj": "个人"}, "prior": {"adj": "先前"},
    "option": {"n": "选择"}, "process": {"n": "过程"}, "quality": {"n": "质量"},
    "range": {"n": "范围"}, "form": {"n": "形式"}, "leader": {"n": "领导人"},
    "image": {"n": "图像"}, "management": {"n": "管理"}, "airport": {"n": "机场"},
    "constitution": {"n": "宪法"}, "crowd": {"n": "人群"}, "device": {"n": "设备"},
    "district": {"n": "区"}, "hostel": {"n": "旅舍"}, "format": {"n": "格式"},
    "flow": {"n": "流动"}, "fear": {"n": "恐惧"}, "guilty": {"adj": "有罪"},
    "statement": {"n": "声明"}, "situation": {"n": "情况"}, "route": {"n": "路线"},
    "requirement": {"n": "要求"}, "steep": {"adj": "陡峭"}, "tourism": {"n": "旅游业"},
    "shock": {"n": "震惊"}, "space": {"n": "空间"}, "mri": {"n": "核磁共振"},
    "south": {"n": "南部"}, "north": {"n": "北部"},
    # Verbs of news prose the tagged corpus never saw ("will host the games").
    "download": {"v": "下载", "n": "下载"}, "upload": {"v": "上传"},
    "search": {"v": "搜索", "n": "搜索"}, "click": {"v": "点击", "n": "点击"},
    "comment": {"n": "评论", "v": "评论"},
    "pound": {"v": None}, "risk": {"n": "风险"}, "final": {"n": "决赛"}, "cause": {"v": "导致"}, "protest": {"v": "抗议"},
    "gain": {"v": "获得", "n": "增加"},
    "host": {"v": "主办"}, "fund": {"v": "资助"}, "target": {"v": "针对"}, "impact": {"v": "影响"},
    # Short lower-case words that stand for something else in running text
    # ("San Francisco", "World War II", "km/h"): better left as written.
    "san": {"n": None}, "los": {"n": None}, "ii": {"n": None}, "de": {"n": None},
    "e": {"n": None}, "h": {"n": None},
}

# Common given names whose lower-case form is also an English word, so that
# the capitalised name is not read as that word.
GIVEN_NAMES = {
    "John": "约翰", "George": "乔治", "Peter": "彼得", "Paul": "保罗", "Mark": "马克",
    "Bill": "比尔", "Jack": "杰克", "Tom": "汤姆", "Frank": "弗兰克", "Bob": "鲍勃",
    "Jim": "吉姆", "Tim": "蒂姆", "Ken": "肯", "Bob": "鲍勃", "Dick": "迪克",
    "Harry": "哈里", "Carol": "卡罗尔",
    "Ted": "特德", "Nick": "尼克", "Sam": "萨姆",
    "Dan": "丹", "Ben": "本", "Jimmy": "吉米",
    "Eddie": "埃迪", "Billy": "比利", "Johnny": "约翰尼", "Mike": "迈克",
    "Kate": "凯特", "Jane": "简", "Ann": "安", "Anne": "安妮", "Lily": "莉莉",
    "Ruby": "鲁比", "Violet": "维奥莱特", "Iris": "艾里斯", "Jenny": "珍妮",
    "Betty": "贝蒂", "Molly": "莫莉", "Sally": "萨莉", "Polly": "波莉",
    "Ernest": "欧内斯特", "Victor": "维克托",
    "Douglas": "道格拉斯", "Marshall": "马歇尔",
    "Jerry": "杰里", "Wayne": "韦恩",
}
