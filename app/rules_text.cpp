#include "app/rules_text.h"
#include "platform/text_mark.h"

const std::string g_rulesText = QT_TRANSLATE_NOOP(
    "rules", "    The main idea of the game is to move away as many balls as you can\n"
             "( each ball adds 2 to your score ). Balls of equal color disappear as you\n"
             "build a line of them - with a minimum of 5 balls in a line ( two such lines\n"
             "of the same color may cross and then disappear simultaneously ).\n"
             "    You can move a ball by selecting it with your mouse ( then it smiles, but\n"
             "turns sad as you choose another ) and clicking a field where it must go to -\n"
             "it will, if the field is accessible ( i.e. there is a path of horzontal and/or\n"
             "vertical free cells ). After each movement new three balls are thrown in.\n"
             "    When using advanced game style, you can undo the last movement, and\n"
             "see where the next balls will fall, but you're limited with 30 seconds per a move.");
