#pragma once

#include <QByteArray>

namespace TestSupport {

// An old configuration kept "commented out" in a block of 1,164 bytes, which the server reads as
// one command: it cuts it after 1,023 bytes and runs the rest, lines 19 to 25, so that the server
// ends with "Old", not "Current".
inline QByteArray oldBlock() {
    QByteArray block = "/* The old configuration, kept for reference\n";
    for (int line = 3; line <= 18; ++line)
        block += "set scr_dm_timelimit \"" + QByteArray::number(line) + "\"\t// before the move\n";
    // The byte lost at the cut is the line break before line 19.
    block.insert(block.indexOf('\n'), QByteArray(1024 - block.size(), '.'));
    return "set sv_hostname \"Current\"\n" + block +
           "set sv_hostname \"Old\"\nset g_gametype \"sd\"\nset sv_maxclients \"16\"\n"
           "set scr_motd \"Welcome back\"\nset sv_maxping \"250\"\nset g_allowVoteKick \"0\"\n*/\n"
           "set sv_fps 20\n";
}
inline const QByteArray kOldBlock = oldBlock();

// Files as admins keep them by hand, each in another style.
struct HandKept {
    const char* name;
    QByteArray bytes;
};
inline const HandKept kHandKept[] = {
    {"exec first, LF",
     "exec base_defaults.cfg\nset sv_maxclients \"24\"\nset sv_hostname \"My Server\"\n"},
    {"seta and comments, CR LF",
     "// Brantholm server\r\n//\r\nseta sv_hostname \"A\"\r\nseta g_gametype \"tdm\"\r\n"},
    {"lines without set", "sv_hostname \"Bare\"\nsv_maxclients 16\nscr_hq_timelimit \"20\"\n"},
    {"several commands on a line",
     "set sv_hostname \"A\"; set sv_maxclients \"8\";set g_log \"x.log\" ;\n"
     "exec other.cfg; set g_gametype \"sd\"\n"},
    {"trailing comments and tabs",
     "\tset sv_hostname \"A\"\t// the name\n  set sv_fps \"20\" /* fps */\n\t\n"},
    {"blank lines, CR only", "set sv_hostname \"A\"\r\r\rset sv_maxclients \"4\"\r"},
    {"mixed line breaks, none at the end",
     "set sv_hostname \"A\"\r\nset sv_maxclients \"4\"\nmap mp_harbor\rset g_log \"l\""},
    {"UTF-8 with a byte order mark",
     "\xEF\xBB\xBFsets .Location \"C\xC3\xB4te\"\r\nset sv_hostname \"\xE2\x82\xAC \xD0\xA1\"\r\n"},
    {"UTF-8 without one",
     "set sv_hostname \"Caf\xC3\xA9\"\nset g_motd \"\xE2\x80\x9Chi\xE2\x80\x9D\"\n"},
    {"Windows-1252 bytes",
     "set sv_hostname \"Caf\xE9\xA0\x81\x8D\x8F\x90\x9D\"\r\nset g_motd \"\x93x\x94\"\r\n"},
    {"duplicates and unknown variables", "set sv_hostname \"First\"\nset my_thing \"1\"\nSET "
                                         "SV_HOSTNAME \"Second\"\nsets .Admin \"Ann\"\n"},
    {"values no control holds",
     "set g_gametype \"weird\"\nset sv_pure \"2\"\nset g_allowVoteKick \"7\"\nset sv_pure \"1\"\n"},
    {"block comment over lines, votes and weapons",
     "/* from the panel\n   do not edit */\nset scr_allow_bar 0\nset g_allowVoteKick \"1\"\n"},
    {"a line the server cuts",
     "set sv_hostname \"" + QByteArray(1100, 'x') + "\"\nset sv_fps 20\n"},
    {"an empty number", "set sv_privateclients \"\"\r\n"},
    {"Windows-1252 letters outside quotes",
     "set sv_hostname \xC9"
     "clair Caf\xE9\r\nset scr_motd Caf\xE9 // the old name\r\n"},
    {"a gametype of a mod, a vote of 7",
     "set g_gametype \"dm\"\nset g_gametype \"ctf\"\nset g_allowVoteKick \"7\"\n"},
    {"an old configuration in a block comment", kOldBlock},
    {"lines without set, the server's and the game's",
     "sv_hostname \"Bare\"\nsv_pure 0\ng_password \"secret\"\n"},
    {"a web address without quotes", "set sv_wwwBaseURL http://dl.example.org/main\n"},
    {"an empty file", ""},
    {"only a comment, no line break", "// nothing yet"},
};

} // namespace TestSupport
