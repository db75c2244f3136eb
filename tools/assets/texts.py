"""The English language files. Each list is one file; the position in the list is the line
number the program asks for, so lines are never reordered and unused ones stay in place."""

ENGLISH = {
    "menu.txt": [
        "Tavlo",                                   # 0 title, first player's name
        "Play",                                    # 1
        "Options",                                 # 2
        "Music",                                   # 3
        "Quit",                                    # 4
        "Player",                                  # 5
        "Answers",                                 # 6 statistics: all answers
        "Right",                                   # 7 statistics: right answers
        "Wrong",                                   # 8 statistics: wrong answers
        "What is the new player's name?",          # 9 new player dialog
        "Version",                                 # 10 about: before the version number
        # 11 to 20: what the options menu's buttons do, shown when pointed at
        "Back",                                    # 11 leave this screen
        "Players",                                 # 12
        "Answers so far",                          # 13 statistics
        "Reward sounds",                           # 14
        "Sound effects",                           # 15
        "Two switches: one moves, one chooses",    # 16
        "One switch: the frame moves by itself",   # 17
        "Seconds for each step of the frame",      # 18 scanning time
        "Help",                                    # 19
        "About Tavlo",                             # 20
        # 21 to 24: the statistics buttons, shown when pointed at
        "Print this page",                         # 21
        "Clear all answers",                       # 22
        "Previous page",                           # 23
        "Next page",                               # 24
        "Click a game to choose its word list and rewards; "
        "the star shows it in the menu.",          # 25 options menu: under the games
        "Switches and scanning",                   # 26 options menu: the access button, its dialog
        "Show this game in the menu",              # 27 options menu: a game's star, spoken
        # 28 to 30: the game's frame buttons, spoken when scanning reaches them
        "Listen",                                  # 28
        "Next",                                    # 29
        "Stop",                                    # 30
    ],
    "games.txt": [
        "A or an?",
        "Picture sentences",
        "Yes or no?",
        "Which sentence fits?",
        "Answer with a picture",
        "Paint the picture",
        "Fill the gaps",
        "Finish the sentence",
        "Picture crossword",
        "Look and answer",
        "Word by word",
        "Which word did you hear?",
        "Name the pictures",
        "How many?",
        "Steer to the words",
    ],
    "rewards.txt": [
        "Well done!",
        "Great job!",
        "You did it!",
        "Super!",
        "Fantastic!",
        "Brilliant!",
        "Hooray!",
        "Good reading!",
    ],
    "options.txt": [
        "Word list",                               # 0
        "Mix up the order",                        # 1
        "Show the reward animal",                  # 2
        "Rounds before the animal comes",          # 3
        "Speed",                                   # 4 game 15
        # 5 to 15: the switches and scanning dialog
        "Say each choice the frame reaches",       # 5
        "Switch that moves the frame",             # 6
        "Switch that chooses",                     # 7
        "Press the switch now",                    # 8 shown while a switch is learnt
        "A press counts after",                    # 9 acceptance time
        "Pause after choosing",                    # 10
        "Extra time on the first choice",          # 11
        "Rounds before the frame rests",           # 12
        "never",                                   # 13 the rounds' value 0
        "In games, also scan listen, next and stop",  # 14
        "The two switches must be different.",     # 15
    ],
    "profiles.txt": [
        "New player",                              # 0
        "Remove the chosen player",                # 1
        "Start this player afresh",                # 2
        "OK: play as the chosen player",           # 3
        "Please type the new player's name.",      # 4 new player: no name typed
        "Tavlo cannot keep a player by this name. Please leave out the signs / and \\ "
        "and do not begin the name with a dot.",   # 5 new player: a name refused
        "%1 is already a player and is now chosen.",  # 6 %1 stands for the name
        "Remove the player %1? Their options and answers will be lost.",      # 7
        "Start the player %1 afresh? Their options and answers will be lost.",  # 8
        # 9 and 10: the letters of the on-screen keyboard in rows, split at blanks; the
        # capitals stand where their small letters stand.
        "abcdefg hijklmn opqrstu vwxyz-'",         # 9
        "ABCDEFG HIJKLMN OPQRSTU VWXYZ-'",         # 10
        "blank",                                   # 11 the key that types a blank
        "rub out",                                 # 12 the key that takes back a letter
    ],
    "information.txt": [
        "Tavlo could not open the word list",                                         # 0
        "for this game, or it has too few words. Please choose another word list.",   # 1
        "The picture",                                                                # 2
        "could not be found. The game goes on without it.",                           # 3
        "Tavlo could not make a crossword from this word list. "
        "Please choose a list with more words of four or five letters.",              # 4
        "Yes", "No", "OK",                                                            # 5 to 7 message box buttons
        "",                                                                           # 8 data folder failure (%1: the folder); English keeps the fixed text
        "Tavlo keeps its players and word lists in a folder of its own, "
        "and that folder is missing. Shall Tavlo make it now?",                       # 9
        "Tavlo could not save this player's options and answers. Please check that "
        "the data folder may be written to and that the disk is not full.",           # 10
        "This player's option file was damaged, so Tavlo started it afresh. "
        "The damaged file is kept in the profiles folder as",                         # 11
        "Tavlo is already open for this data folder, on this computer or another "
        "one. Please close it there first.",                                          # 12
        "has more words than a game can hold. Please choose a shorter word list.",     # 13
        # 14 to 17: printing the statistics; %1 stands for a printer, a file or a name
        "The page was sent to the printer %1.",                                       # 14
        "No printer answered, so the page was saved as %1",                           # 15
        "The page could not be printed, nor saved in %1.",                            # 16
        "Clear the answers of every game for %1?",                                    # 17
        "Error",                                                                      # 18
    ],
    "defaultlist.txt": ["Everyday words"],
    "credits.txt": [
        "Tavlo, a reading program for children",
        "Pictures from Noto Color Emoji (SIL Open Font License 1.1); sounds made with SoX",
    ],
    # Help: even lines name a key or switch, the odd line after it says what it does.
    "help.txt": [
        "Click", "Choose what you point at",
        "Right click", "Hear a word without answering",
        "Space or \u2192", "Move the blue frame on",
        "\u2190", "Move the blue frame back",
        "Enter", "Choose what is in the blue frame",
        "One switch", "The frame moves by itself: press to choose",
        "Two switches", "Space moves the frame, Enter chooses",
        "Escape", "Leave the game or this screen",
        "Page Down", "Skip to the next picture",
        "F1", "Options of this game",
        "F2", "Listen again",
        "F5 and F6", "Smaller and bigger writing",
        "F7", "Normal writing size",
        "F8", "Normal font and size",
        "F9", "Choose the font",
        "A to O", "Main menu: open game 1 to 15",
        "Letter keys", "Game 9: type the word",
        "Arrow keys", "Game 15: steer the animal",
        "Enter", "Game 15: hold to run faster",
        "F3", "Game 15: pause and go on",
    ],
    # Game 1: the little words that go in the blank; a word list's Correct0 and Correct1
    # mark which of them fits each word.
    "Game01data.txt": ["a", "an"],
    # Game 3: the answer buttons, yes then no; they also name the yes and no recordings.
    "Game03data.txt": ["Yes", "No"],
    # Game 10: the answers, 0 yes and 1 no; they name the answer recordings.
    "Game10data.txt": ["yes", "no"],
}

LANGUAGE_NAME = "eng"

# Lines printed into the about screen's credits picture, below the two credit lines.
CREDITS_PICTURE_LINES = [
    "Tavlo, a reading program for children",
    "",
    "Made for children who are learning to read,",
    "with a mouse, a keyboard, or one or two switches.",
    "",
    "Pictures drawn from Noto Color Emoji by Google,",
    "used under the SIL Open Font License 1.1.",
    "Lettering in Liberation Sans (GNU GPL 2 with the font exception).",
    "Sounds and music made with SoX. Speech by eSpeak NG.",
]

# The words drawn into the main menu's game buttons, by game (see pictures.game_button).
GAME_BUTTON_WORDS = {
    1: ["a / an"], 2: ["I see", "a ___."], 4: ["It swims.", "It flies."], 7: ["The", "___ is", "red."],
    8: ["A dog", "barks."], 9: ["CAN", "SUN"], 11: ["The", "cat", "sits."], 12: ["sun", "run", "fun", "bun"],
    13: ["dog", "cat"], 14: ["three"], 15: ["cat"],
}
