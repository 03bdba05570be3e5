"""Which follow-ups the real launcher opens, from where, and in which order."""

import unittest

from e2etest import E2ETest
from scenario import USER_CHOICE, windows_path


class FollowUps(E2ETest):
    def scenario(self, label=""):
        run = super().scenario(label)
        run.reg(USER_CHOICE, "Progid", "NoBrowserHere")  # skip the wait
        return run

    def test_whichever_exist_are_opened_play_url_first(self):
        for play, radev in [(True, True), (True, False), (False, True), (False, False)]:
            with self.subTest(play=play, radev=radev):
                run = self.scenario()
                run.game_files(play=play, radev=radev)
                run.run_to_end()
                self.assertEqual(run.exit_code, 0)
                opened = self.assertFollowUpsOpened(run, play=play, radev=radev)
                for event in opened:
                    self.assertEqual(event.parent_pid, opened[0].parent_pid)  # all from the launcher

    def test_a_directory_named_play_url_is_not_opened(self):
        run = self.scenario()
        (run.game / "play.url").mkdir()
        run.game_files(play=False, radev=True)
        run.run_to_end()
        self.assertFollowUpsOpened(run, play=False, radev=True)

    def test_a_file_held_open_by_another_process_still_counts(self):
        run = self.scenario()
        run.game_files()
        holder = run.start_helper("holdfile", windows_path(run.game / "play.url"))
        try:
            run.wait_for_file(run.root / "held")
            run.run_to_end()
        finally:
            run.close("holdfile.exe")
            holder.wait(timeout=30)
        self.assertFollowUpsOpened(run)

    def test_the_working_directory_counts_never_the_launchers_own_folder(self):
        for game_has_files in (True, False):
            with self.subTest(game_has_files=game_has_files):
                run = self.scenario()
                run.game_files(folder=run.launcher_dir)  # beside launcher.exe
                if game_has_files:
                    run.game_files()
                run.run_to_end(cwd=run.game)
                self.assertEqual(run.exit_code, 0)
                opened = self.assertFollowUpsOpened(run, play=game_has_files, radev=game_has_files)
                if game_has_files:
                    self.assertIn(windows_path(run.game / "play.url"), opened[0].command_line)
                    self.assertEqual(opened[1].command_line,
                                     '"%s"' % windows_path(run.game / "fscommand" / "radev.exe"))
                    self.assertEqual(opened[1].cwd, windows_path(run.game))


if __name__ == "__main__":
    unittest.main()
