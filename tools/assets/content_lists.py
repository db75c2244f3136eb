"""The default English word lists of all fifteen games, as data.

content_media.py writes them to content/eng/GameNN.tsv and makes every picture and
recording they name under resources/data/. Edit the lists here, never in the .tsv files.

Every list has at least twice its game's minimum number of rows, so that two sets in a row
differ. Pictures of words are images/<word>.png; a word's recording is <word>.wav.
"""

DEFAULT = "Everyday words"

# The picture of each word: an emoji of Noto Color Emoji (figures.py draws "lamp" and "lamb",
# whose emoji show a light bulb and a grown sheep).
EMOJI = {
    "ant": "🐜", "apple": "🍎", "baby": "👶", "ball": "⚽", "banana": "🍌", "bear": "🐻", "bed": "🛏️",
    "bee": "🐝", "bell": "🔔", "bike": "🚲", "bird": "🐦", "boat": "⛵", "book": "📖", "bread": "🍞",
    "bus": "🚌", "cake": "🎂", "car": "🚗", "carrot": "🥕", "cat": "🐱", "chair": "🪑", "cheese": "🧀",
    "clock": "⏰", "cow": "🐮", "crab": "🦀", "cup": "☕", "dog": "🐶", "door": "🚪", "drum": "🥁",
    "duck": "🦆", "eagle": "🦅", "egg": "🥚", "elephant": "🐘", "fish": "🐟", "fox": "🦊", "frog": "🐸",
    "goat": "🐐", "grapes": "🍇", "hat": "👒", "hen": "🐔", "horse": "🐴", "house": "🏠", "kite": "🪁",
    "key": "🔑", "lamb": "🐑", "leaf": "🍃", "lemon": "🍋", "lion": "🦁", "milk": "🥛", "monkey": "🐵",
    "moon": "🌙", "mouse": "🐭", "octopus": "🐙", "orange": "🍊", "owl": "🦉", "panda": "🐼",
    "pear": "🍐", "pig": "🐷", "plane": "✈️", "rabbit": "🐰", "rain": "🌧️", "ring": "💍", "rose": "🌹",
    "seal": "🦭", "shell": "🐚", "ship": "🚢", "snail": "🐌", "snake": "🐍", "sock": "🧦", "star": "⭐",
    "sun": "☀️", "swan": "🦢", "tent": "⛺", "tiger": "🐯", "train": "🚂", "tree": "🌳", "umbrella": "☂️",
    "whale": "🐳", "zebra": "🦓", "shoe": "👟", "spoon": "🥄", "flower": "🌼", "heart": "❤️",
    "balloon": "🎈", "teddy": "🧸", "gift": "🎁", "bag": "🎒", "boot": "🥾", "shirt": "👕",
    "mug": "☕", "hand": "✋", "nest": "🪺", "web": "🕸️", "corn": "🌽", "nut": "🥜", "pen": "🖊️",
    "box": "📦", "van": "🚐", "bat": "🦇", "lamp": "💡", "tap": "🚰", "bun": "🍔", "pan": "🍳",
    "bone": "🦴", "robot": "🤖", "lock": "🔒", "wolf": "🐺", "toad": "🐸", "rock": "🪨",
    "onion": "🧅", "ambulance": "🚑", "axe": "🪓", "helicopter": "🚁", "anchor": "⚓", "alien": "👽",
    "rocket": "🚀", "ox": "🐂", "otter": "🦦", "ladybird": "🐞", "butterfly": "🦋", "orangutan": "🦧",
    "parrot": "🦜", "hamster": "🐹",
}

# ------------------------------------------------------------------ Game 1: a or an
# (word, scene, right button: "a" or "an"); every word of a scene is drawn in it, the first
# two high up (in the sky, on a wall) and the others on the ground. Each list has eight scenes
# of three or four words, so a pass shows many pictures and one seldom comes straight back.
GAME01 = {
    DEFAULT: [
        ("apple", "kitchen.jpg", "an"), ("cake", "kitchen.jpg", "a"), ("cup", "kitchen.jpg", "a"),
        ("egg", "kitchen.jpg", "an"),
        ("ant", "garden.jpg", "an"), ("bee", "garden.jpg", "a"), ("owl", "garden.jpg", "an"),
        ("tree", "garden.jpg", "a"),
        ("ball", "playroom.jpg", "a"), ("drum", "playroom.jpg", "a"), ("kite", "playroom.jpg", "a"),
        ("umbrella", "playroom.jpg", "an"),
        ("lemon", "market.jpg", "a"), ("onion", "market.jpg", "an"), ("orange", "market.jpg", "an"),
        ("pear", "market.jpg", "a"),
        ("plane", "town.jpg", "a"), ("helicopter", "town.jpg", "a"), ("ambulance", "town.jpg", "an"),
        ("bus", "town.jpg", "a"),
        ("bird", "campsite.jpg", "a"), ("balloon", "campsite.jpg", "a"), ("axe", "campsite.jpg", "an"),
        ("tent", "campsite.jpg", "a"),
        ("anchor", "seabed.jpg", "an"), ("ring", "seabed.jpg", "a"), ("shell", "seabed.jpg", "a"),
        ("star", "space.jpg", "a"), ("rocket", "space.jpg", "a"), ("alien", "space.jpg", "an"),
    ],
    "Animals": [
        ("elephant", "zoo.jpg", "an"), ("lion", "zoo.jpg", "a"), ("monkey", "zoo.jpg", "a"),
        ("zebra", "zoo.jpg", "a"),
        ("crab", "sea.jpg", "a"), ("fish", "sea.jpg", "a"), ("octopus", "sea.jpg", "an"),
        ("whale", "sea.jpg", "a"),
        ("eagle", "wood.jpg", "an"), ("fox", "wood.jpg", "a"), ("owl", "wood.jpg", "an"),
        ("snail", "wood.jpg", "a"),
        ("goat", "farmyard.jpg", "a"), ("hen", "farmyard.jpg", "a"), ("ox", "farmyard.jpg", "an"),
        ("pig", "farmyard.jpg", "a"),
        ("frog", "riverbank.jpg", "a"), ("otter", "riverbank.jpg", "an"), ("duck", "riverbank.jpg", "a"),
        ("swan", "riverbank.jpg", "a"),
        ("butterfly", "flowerbed.jpg", "a"), ("bee", "flowerbed.jpg", "a"), ("ant", "flowerbed.jpg", "an"),
        ("ladybird", "flowerbed.jpg", "a"),
        ("parrot", "rainforest.jpg", "a"), ("orangutan", "rainforest.jpg", "an"),
        ("snake", "rainforest.jpg", "a"), ("tiger", "rainforest.jpg", "a"),
        ("cat", "pets.jpg", "a"), ("dog", "pets.jpg", "a"), ("hamster", "pets.jpg", "a"),
        ("rabbit", "pets.jpg", "a"),
    ],
}

# The scenes of Game 1: sky, ground and extra figures that carry no word.
SCENES01 = {
    "kitchen.jpg": ("kitchen", []), "garden.jpg": ("garden", ["🌷"]), "playroom.jpg": ("room", ["🧸"]),
    "market.jpg": ("kitchen", ["🧺"]), "town.jpg": ("street", []), "campsite.jpg": ("wood", ["🔥"]),
    "seabed.jpg": ("sea", []), "space.jpg": ("night", []),
    "zoo.jpg": ("grass", ["🌴"]), "sea.jpg": ("sea", ["🐚"]), "wood.jpg": ("wood", ["🍄"]),
    "farmyard.jpg": ("farm", []), "riverbank.jpg": ("pond", []), "flowerbed.jpg": ("garden", ["🌷"]),
    "rainforest.jpg": ("jungle", []), "pets.jpg": ("room", ["🧶"]),
}

# ------------------------------------------------------------------ Game 2: hint and sentence
# (word, hint, sentence). The sentence stops before its missing word. Every hint and every
# sentence fits its own word alone among all the words of its list, so a child is never told
# that a true answer is wrong.
GAME02 = {
    DEFAULT: [
        ("apple", "It is a red fruit.", "For lunch I eat an"),
        ("ball", "You can kick it.", "In the park we kick a"),
        ("bed", "You sleep in it.", "At night I sleep in my"),
        ("book", "It has pages.", "At bedtime Mum reads me a"),
        ("cat", "It says miaow.", "The pet that purrs is a"),
        ("cup", "You drink from it.", "I drink milk from a"),
        ("dog", "It says woof.", "The pet that barks is a"),
        ("sun", "It is hot and bright.", "Up in the sky shines the"),
    ],
    "Animals": [
        ("cow", "It says moo.", "We get milk from a"),
        ("duck", "It says quack.", "The bird that swims on the pond is a"),
        ("frog", "It is small and green.", "The animal that croaks is a"),
        ("hen", "It says cluck.", "The farm bird that clucks is a"),
        ("horse", "You can ride it.", "The animal that neighs is a"),
        ("lion", "It roars.", "The king of the animals is a"),
        ("pig", "It is pink.", "The animal that says oink is a"),
        ("rabbit", "It has long ears.", "The pet with a fluffy tail is a"),
    ],
}

# ------------------------------------------------------------------ Game 3: yes or no (0 yes, 1 no)
GAME03 = {
    DEFAULT: [
        ("apple", "Is this an apple?", 0), ("ball", "Is this a book?", 1),
        ("bed", "Can you sleep in this?", 0), ("book", "Can you read this?", 0),
        ("cake", "Is this a cake?", 0), ("car", "Can this fly?", 1),
        ("cat", "Is this a dog?", 1), ("cup", "Can you drink from this?", 0),
        ("dog", "Does this say woof?", 0), ("hat", "Do you eat this?", 1),
        ("sun", "Is this the moon?", 1), ("tree", "Is this a tree?", 0),
    ],
    "Animals": [
        ("bee", "Can this fly?", 0), ("cow", "Does this say moo?", 0),
        ("duck", "Is this a cat?", 1), ("elephant", "Is this small?", 1),
        ("fish", "Can this swim?", 0), ("frog", "Is this green?", 0),
        ("horse", "Can this fly?", 1), ("lion", "Is this a lion?", 0),
        ("mouse", "Is this big?", 1), ("pig", "Is this pink?", 0),
        ("snail", "Is this fast?", 1), ("zebra", "Does this have stripes?", 0),
    ],
}

# ------------------------------------------------------------------ Game 4: two sentences (0 A right, 1 B)
GAME04 = {
    DEFAULT: [
        ("bike", "I ride my bike.", "I eat my bike.", 0),
        ("book", "The book can run.", "I read a book.", 1),
        ("bread", "We eat bread.", "We wear bread.", 0),
        ("bus", "The bus is in the sea.", "The bus is on the road.", 1),
        ("clock", "The clock tells the time.", "The clock can swim.", 0),
        ("key", "The key sings a song.", "A key opens the door.", 1),
        ("milk", "I drink milk.", "I sleep in milk.", 0),
        ("moon", "The moon is hot and red.", "We see the moon at night.", 1),
        ("sock", "I put a sock on my foot.", "I put a sock in my tea.", 0),
        ("star", "A star can bark.", "A star shines at night.", 1),
    ],
    "Animals": [
        ("bird", "The bird can fly.", "The bird can read.", 0),
        ("cow", "The cow says woof.", "The cow says moo.", 1),
        ("crab", "The crab lives by the sea.", "The crab lives in a tree.", 0),
        ("duck", "The duck drives a car.", "The duck swims on the pond.", 1),
        ("goat", "The goat eats grass.", "The goat eats cake.", 0),
        ("monkey", "The monkey likes the snow.", "The monkey likes bananas.", 1),
        ("owl", "The owl is awake at night.", "The owl sleeps in a bed.", 0),
        ("panda", "The panda is red and green.", "The panda is black and white.", 1),
        ("seal", "The seal can swim.", "The seal can ride a bike.", 0),
        ("tiger", "The tiger has spots.", "The tiger has stripes.", 1),
    ],
}

# ------------------------------------------------------------------ Game 5: questions answered by a picture
# Every question has one answer among all the words of its list.
GAME05 = {
    DEFAULT: [
        ("apple", "What can you eat?"), ("ball", "What can you kick?"),
        ("bed", "Where do you sleep?"), ("book", "What has pages to read?"),
        ("chair", "What do you sit on at the table?"), ("clock", "What tells the time?"),
        ("shoe", "What do you wear on your foot?"), ("umbrella", "What keeps you dry in the rain?"),
    ],
    "Animals": [
        ("bee", "Who makes honey?"), ("cat", "Who says miaow?"),
        ("cow", "Who gives us milk?"), ("dog", "Who says woof?"),
        ("fish", "Who lives in the water?"), ("hen", "Who says cluck?"),
        ("owl", "Who hoots at night?"), ("rabbit", "Who has long ears?"),
    ],
}

# ------------------------------------------------------------------ Game 6: paint in the named colour
COLOURS = {
    "red": (230, 30, 40), "blue": (30, 90, 230), "yellow": (255, 215, 0), "green": (40, 170, 60),
    "orange": (255, 140, 0), "purple": (140, 60, 190), "pink": (255, 110, 180), "brown": (140, 85, 40),
}
# (word, colour); the eight rows of a list have eight different colours, so any four rows in a
# row (a set) differ.
GAME06 = {
    DEFAULT: [
        ("apple", "red"), ("ball", "blue"), ("balloon", "yellow"), ("car", "green"),
        ("hat", "orange"), ("house", "purple"), ("kite", "pink"), ("teddy", "brown"),
    ],
    "Animals": [
        ("bird", "blue"), ("cat", "orange"), ("dog", "brown"), ("fish", "yellow"),
        ("frog", "green"), ("pig", "pink"), ("snail", "purple"), ("crab", "red"),
    ],
}

# ------------------------------------------------------------------ Game 7: gaps in sentences about a scene
# (scene, before the gap, missing word, after the gap). Four sentences a scene, so that all four
# word buttons are used, and in each sentence exactly one of the scene's four words fits: by
# its sense alone (a sun does not run, a crab does not sail) and by the picture. scenes.py
# draws the scenes.
GAME07 = {
    DEFAULT: [
        ("park.jpg", "The", "sun", "shines in the sky."),
        ("park.jpg", "The", "dog", "runs after a ball."),
        ("park.jpg", "A little", "bird", "sings in the tree."),
        ("park.jpg", "A yellow", "flower", "grows in the grass."),
        ("beach.jpg", "The", "boat", "sails on the sea."),
        ("beach.jpg", "A white", "bird", "flies over the sea."),
        ("beach.jpg", "A red", "crab", "has big claws."),
        ("beach.jpg", "I fill my", "bucket", "with sand."),
        ("farm.jpg", "The", "cow", "says moo."),
        ("farm.jpg", "The", "hen", "sits on her eggs."),
        ("farm.jpg", "The pink", "pig", "rolls in the mud."),
        ("farm.jpg", "The", "sheep", "says baa."),
    ],
    "Animals": [
        ("pond.jpg", "The", "duck", "says quack."),
        ("pond.jpg", "A green", "frog", "sits on a leaf."),
        ("pond.jpg", "The little", "fish", "has fins."),
        ("pond.jpg", "A", "bee", "buzzes over the pond."),
        ("jungle.jpg", "The", "monkey", "holds a banana."),
        ("jungle.jpg", "The long", "snake", "has no legs."),
        ("jungle.jpg", "The", "tiger", "has orange and black stripes."),
        ("jungle.jpg", "The", "elephant", "has a long trunk."),
        ("snow.jpg", "The", "penguin", "is black and white."),
        ("snow.jpg", "A grey", "seal", "lies on the ice."),
        ("snow.jpg", "A white", "rabbit", "hops in the snow."),
        ("snow.jpg", "The big", "whale", "blows water."),
    ],
}

# ------------------------------------------------------------------ Game 8: the right ending
# (word, beginning, right ending, wrong ending)
GAME08 = {
    DEFAULT: [
        ("bag", "I put my books", "in my bag.", "in my cup."),
        ("bed", "At night I go", "to bed.", "to the moon."),
        ("cake", "On my birthday I eat", "a big cake.", "a big shoe."),
        ("door", "Please shut", "the door.", "the sun."),
        ("hat", "On my head I wear", "a hat.", "a fish."),
        ("lamp", "When it is dark I turn on", "the lamp.", "the cat."),
        ("rain", "I need an umbrella", "in the rain.", "in the bath."),
        ("spoon", "I eat my soup", "with a spoon.", "with a sock."),
    ],
    "Animals": [
        ("bat", "The bat flies", "at night.", "in the bath."),
        ("bone", "The dog digs up", "a bone.", "a car."),
        ("frog", "The frog jumps", "into the pond.", "into the oven."),
        ("hen", "The hen lays", "an egg.", "a bus."),
        ("lamb", "The lamb says", "baa.", "quack."),
        ("mouse", "The mouse likes", "cheese.", "snow."),
        ("nest", "The bird sits", "in its nest.", "in a car."),
        ("web", "The spider makes", "a web.", "a cake."),
    ],
}

# ------------------------------------------------------------------ Game 9: picture crossword
# Words of 3 to 5 letters. The words of 5 letters stand upright in turn (4 letters only in a list
# without any of 5), so a list needs several, with letters in their second to fifth places that
# the shorter words share: every word must be able to cross one of them (the generator checks it).
GAME09 = {
    DEFAULT: ["apple", "bed", "bell", "bike", "boat", "book", "bread", "bus", "cake", "car", "cat",
              "chair", "clock", "corn", "cup", "dog", "drum", "egg", "hat", "house", "kite", "ship",
              "lemon", "moon", "pen", "plane", "sock", "spoon", "star", "sun", "tent", "train", "tree"],
    "Animals": ["ant", "bat", "bear", "bee", "bird", "cat", "cow", "crab", "dog", "duck", "eagle", "fish",
                "fox", "frog", "goat", "hen", "horse", "lion", "mouse", "owl", "pig", "seal", "snake",
                "swan", "tiger", "whale", "wolf", "zebra"],
}

# ------------------------------------------------------------------ Game 10: yes/no questions on a scene (0 yes, 1 no)
# Four questions a scene, each answered by what the picture shows (scenes.py draws them):
# a red car and no bike in the street, a teddy on the bed and no dog in the bedroom, and so on.
GAME10 = {
    DEFAULT: [
        ("street.jpg", "Is there a bus?", 0), ("street.jpg", "Is the car blue?", 1),
        ("street.jpg", "Can you see a tree?", 0), ("street.jpg", "Is there a bike?", 1),
        ("bedroom.jpg", "Is there a bed?", 0), ("bedroom.jpg", "Is there a cat?", 0),
        ("bedroom.jpg", "Can you see a dog?", 1), ("bedroom.jpg", "Is the teddy on the bed?", 0),
        ("picnic.jpg", "Is it raining?", 1), ("picnic.jpg", "Can you see a cake?", 0),
        ("picnic.jpg", "Is there a fish?", 1), ("picnic.jpg", "Is the sun shining?", 0),
    ],
    "Animals": [
        ("meadow.jpg", "Is there a horse?", 0), ("meadow.jpg", "Can you see a cow?", 0),
        ("meadow.jpg", "Is there a lion?", 1), ("meadow.jpg", "Can you see a pig?", 1),
        ("river.jpg", "Can you see a duck?", 0), ("river.jpg", "Is there an elephant?", 1),
        ("river.jpg", "Can you see a frog?", 0), ("river.jpg", "Can you see a fish?", 1),
        ("night.jpg", "Is it night?", 0), ("night.jpg", "Can you see the sun?", 1),
        ("night.jpg", "Is there an owl?", 0), ("night.jpg", "Can you see the moon?", 0),
    ],
}

# ------------------------------------------------------------------ Game 11: point out the words in order
# Sentences without commas: every word ends at a blank, the last one at the full stop. Each
# sentence says what its scene shows (scenes.py draws them); two sentences a scene.
GAME11 = {
    DEFAULT: [
        ("cat.jpg", "The cat is on the mat."), ("cat.jpg", "I can see a cat."),
        ("ball.jpg", "The ball is on the grass."), ("ball.jpg", "I can kick the ball."),
        ("cake.jpg", "The cake is on the table."), ("cake.jpg", "The cake has candles."),
        ("bus.jpg", "The bus is on the road."), ("bus.jpg", "I can see a big bus."),
        ("sun.jpg", "The sun is in the sky."), ("sun.jpg", "The sun is hot."),
        ("tree.jpg", "The tree is big."), ("tree.jpg", "I see a red apple."),
    ],
    "Animals": [
        ("dog.jpg", "The dog can run."), ("dog.jpg", "The dog is on the grass."),
        ("bird.jpg", "A bird is in the tree."), ("bird.jpg", "The bird can sing."),
        ("fish.jpg", "The fish is in the water."), ("fish.jpg", "A fish can swim."),
        ("duck.jpg", "The duck is on the pond."), ("duck.jpg", "A duck has a yellow beak."),
        ("cow.jpg", "The cow is black and white."), ("cow.jpg", "The cow is in the field."),
        ("frog.jpg", "The frog is on a leaf."), ("frog.jpg", "The frog is green."),
    ],
}

# ------------------------------------------------------------------ Game 12: the spoken word in a box
# (word, four words of the box); the spoken word is one of the four, and no two words of a
# box may sound the same (the generator asks the speech engine).
GAME12 = {
    DEFAULT: [
        ("ball", ["ball", "bell", "bull", "bill"]), ("bed", ["bad", "bed", "bud", "bid"]),
        ("cat", ["cot", "cut", "cat", "kit"]), ("cup", ["cap", "cop", "cub", "cup"]),
        ("dog", ["dig", "dog", "dug", "log"]), ("sun", ["sun", "sat", "sit", "bun"]),
        ("hat", ["hot", "hit", "hat", "hut"]), ("pen", ["pin", "pan", "pet", "pen"]),
        ("box", ["box", "fox", "bus", "six"]), ("fish", ["dish", "fish", "wish", "fist"]),
    ],
    "Animals": [
        ("bee", ["bee", "see", "tree", "bed"]), ("cow", ["how", "now", "cow", "cot"]),
        ("duck", ["dock", "luck", "deck", "duck"]), ("fox", ["fix", "fox", "box", "fog"]),
        ("goat", ["goat", "coat", "boat", "goal"]), ("hen", ["pen", "ten", "hen", "men"]),
        ("lamb", ["lamp", "jam", "lamb", "limb"]), ("pig", ["big", "pig", "dig", "peg"]),
        ("frog", ["frog", "from", "fog", "flag"]), ("seal", ["meal", "sell", "heal", "seal"]),
    ],
}

# ------------------------------------------------------------------ Game 13: the word for a picture
GAME13 = {
    DEFAULT: [
        ("apple", ["apple", "ankle", "maple", "puddle"]), ("ball", ["bell", "ball", "tall", "wall"]),
        ("book", ["look", "cook", "book", "hook"]), ("cat", ["cap", "car", "can", "cat"]),
        ("dog", ["dog", "fog", "dot", "dig"]), ("sun", ["run", "sun", "fun", "sum"]),
        ("cake", ["lake", "cake", "bake", "cane"]), ("tree", ["free", "three", "tree", "true"]),
        ("star", ["stir", "star", "scar", "stay"]), ("clock", ["block", "lock", "click", "clock"]),
    ],
    "Animals": [
        ("bear", ["bear", "pear", "beard", "bean"]), ("duck", ["dock", "duck", "luck", "tuck"]),
        ("fish", ["dish", "wish", "fish", "fist"]), ("goat", ["boat", "coat", "goal", "goat"]),
        ("horse", ["horse", "house", "hose", "nurse"]), ("lion", ["line", "lion", "lemon", "lid"]),
        ("mouse", ["moose", "house", "mouse", "mouth"]), ("snake", ["snack", "shake", "snail", "snake"]),
        ("whale", ["whale", "while", "wheel", "whole"]), ("zebra", ["zero", "zebra", "cobra", "zip"]),
    ],
}

# ------------------------------------------------------------------ Game 14: how many?
# (word, plural, how many are shown); the picture shows that many copies of the word's picture,
# so every word's picture shows one thing. Each word comes in three counts, so that a round
# often holds one word in two counts and the child has to count, not only read the noun.
def _counts(words, first_left_out=0):
    rows = []
    for i, (w, plural) in enumerate(words):
        left_out = (first_left_out + i) % 4 + 1
        rows += [(w, plural, n) for n in (1, 2, 3, 4) if n != left_out]
    return rows


GAME14 = {
    DEFAULT: _counts([("apple", "apples"), ("ball", "balls"), ("book", "books"), ("cake", "cakes"),
                      ("car", "cars"), ("cup", "cups"), ("hat", "hats"), ("kite", "kites"),
                      ("star", "stars")]),
    "Animals": _counts([("bee", "bees"), ("cat", "cats"), ("cow", "cows"), ("dog", "dogs"),
                        ("duck", "ducks"), ("fish", "fish"), ("frog", "frogs"), ("hen", "hens"),
                        ("pig", "pigs"), ("snail", "snails")], 2),
}
NUMBER_WORDS = {1: "one", 2: "two", 3: "three", 4: "four"}

# ------------------------------------------------------------------ Game 15: steer to the words
GAME15 = {
    DEFAULT: ["apple", "ball", "bed", "book", "cat", "cup", "dog", "sun", "car", "hat", "star", "tree"],
    "Animals": ["bee", "cow", "duck", "fish", "fox", "frog", "hen", "lion", "owl", "pig", "seal", "zebra"],
}
