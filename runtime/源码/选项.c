/* The option parser. */
#include "runtime/源码/选项.h"

#include <stdio.h>
#include <string.h>
#include "runtime/源码/系统.h"

char* OptArgument;
int OptIndex = 1;
int OptMessages = 1;
int OptSwitchChar = '/';
int OptLastSwitch;
/* The byte within argv[OptIndex] where the next letter is looked for. */
static int g_position;

static int IsSwitchChar(int c)
{
    return c == '-' || (c != 0 && c == OptSwitchChar);
}

static int IsWhiteSpace(int c)
{
    return c == ' ' || (c >= 9 && c <= 13);
}

static void NextArgument(void)
{
    ++OptIndex;
    g_position = 0;
}

/* Moves past the letter at g_position, on to the next argument when it ends there. */
static void StepOverLetter(const char* argument)
{
    ++g_position;
    if (argument[g_position] == '\0')
        NextArgument();
}

static void ReportOption(const char* message, char* const* argv, int letter, const char* letters)
{
    if (OptMessages == 0 || letters[0] == ':')
        return;
    FILE* err = SysStdErr != NULL ? SysStdErr : stderr;
    fprintf(err, message, argv[0] != NULL ? argv[0] : "", letter);
}

void OptReset(void)
{
    OptArgument = NULL;
    OptIndex = 1;
    g_position = 0;
}

int OptGet(int argc, char* const* argv, const char* letters)
{
    (void)argc;
    OptArgument = NULL;
    if (argv == NULL || OptIndex < 0 || argv[OptIndex] == NULL)
        return -1;
    if (letters == NULL)
        letters = "";
    const char* argument = argv[OptIndex];
    int startOfArgument = g_position == 0;
    while (IsWhiteSpace((unsigned char)argument[g_position]))
        ++g_position;
    int c = (unsigned char)argument[g_position];
    if (startOfArgument || g_position <= 1) {
        if (!IsSwitchChar(c)) {
            g_position = 0;
            return -1;
        }
        OptLastSwitch = c;
        ++g_position;
    } else if (IsSwitchChar(c)) {
        OptLastSwitch = c;
        ++g_position;
    }
    int letter = (unsigned char)argument[g_position];
    if (letter == '\0') {
        g_position = 0;
        return -1;
    }
    if (startOfArgument && c == '-' && letter == '-' && argument[g_position + 1] == '\0') {
        NextArgument();
        return -1;
    }
    const char* found = letter != ':' ? strchr(letters, letter) : NULL;
    if (found == NULL) {
        ReportOption("%s: 非法输入选项 -- %c\n", argv, letter, letters);
        StepOverLetter(argument);
        return '?';
    }
    if (found[1] != ':') {
        StepOverLetter(argument);
        return letter;
    }
    if (argument[g_position + 1] != '\0') {
        OptArgument = (char*)argument + g_position + 1;
    } else if (argv[OptIndex + 1] != NULL) {
        OptArgument = argv[OptIndex + 1];
        ++OptIndex;
    } else {
        NextArgument();
        if (letters[0] == ':')
            return ':';
        ReportOption("%s: 选项缺少参数 -- %c\n", argv, letter, letters);
        return '?';
    }
    NextArgument();
    return letter;
}
