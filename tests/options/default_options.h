#pragma once
// What a save writes when no control has been changed from its initial state.

#include <string>

namespace tarvex::testing {

// The 35 lines written from the defaults, CR LF between them.
inline const std::string kDefaultFile = "// Tarvex config file created by Tarvex, Bot Manager\r\n"
                                        "nobotcfg 0\r\n"
                                        "botcfgfile bots.cfg\r\n"
                                        "// General Bot Options\r\n"
                                        "bot_thinkspeed 0.1\r\n"
                                        "botusefov 1\r\n"
                                        "botfov 90\r\n"
                                        "botspeed 0\r\n"
                                        "botaccuracy 10\r\n"
                                        "bothearing 1\r\n"
                                        "botpain 1\r\n"
                                        "bot_gauss 1\r\n"
                                        "bot_tripmines 1\r\n"
                                        "bot_crowbar 0\r\n"
                                        "waypoints 1\r\n"
                                        "bot_viewdelay 1\r\n"
                                        "bot_angleupdate 1\r\n"
                                        "// Bot Chat Options\r\n"
                                        "botchat 1\r\n"
                                        "chatfile talk.cfg\r\n"
                                        "chatfreq_died 5.0\r\n"
                                        "chatfreq_killed 5.0\r\n"
                                        "// Co-op options\r\n"
                                        "coop_scikill 1\r\n"
                                        "coop_killmeth 0\r\n"
                                        "// Other Options\r\n"
                                        "speedup 0\r\n"
                                        "botmsec 0\r\n"
                                        "msec_min 10\r\n"
                                        "msec_max 50\r\n"
                                        "nostartexec 0\r\n"
                                        "sv_cheats 0\r\n"
                                        "team 0\r\n"
                                        "bot_num 0\r\n"
                                        "echo Tarvex configured.";

} // namespace tarvex::testing
