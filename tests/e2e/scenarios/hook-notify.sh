# The hook library reports to the window it was started with: every new top-level window
# once, its title and class already readable, ahead of its activation; minimize, restore
# and destruction; it never holds another program up while that window does not answer;
# and after EndHook nothing more arrives. Each run starts the hook twice and ends it twice.
# timeout: 120

# expect_window_life <prefix> <class>: the facts hook-observe reports about one window.
expect_window_life() {
  local prefix=$1 class=$2 created now order
  tw_expect "${prefix}-created" 1
  created=$(sed -n "s/^${prefix}-created class=\"${class}\" title=//p" "${TW_LAST_RESULT}")
  [[ -n ${created} && ${created} != '""' ]] ||
    fail "${prefix}: no title or another class when the window was announced"
  order=$(tw_result_value "${prefix}-order")
  [[ ${order} == created,activate* ]] ||
    fail "${prefix}: expected the announcement, then the activation; saw ${order}"
  now=$(tw_result_value "${prefix}-title-now")
  [[ -z ${now} || ${now} == "${created}" ]] ||
    fail "${prefix}: announced with the title ${created}, which then became ${now}"
}

expect_hook_run() {
  tw_expect start-first 1
  tw_expect start-again 1
  expect_window_life observed "$1"
  tw_expect observed-minmax 2
  tw_expect observed-destroy 1
  tw_expect observed-other-codes 0

  tw_expect hung-window-shown 1
  (($(tw_result_value hung-window-ms) < 3000)) ||
    fail "a window took $(tw_result_value hung-window-ms) ms to show while the target hung"
  expect_window_life hung "$1"
  tw_expect hung-destroy 1

  tw_expect end-first 1
  tw_expect end-again 1
  tw_expect after-exited 1
  tw_expect after-end-notices 0
}

# Windows of another driver process.
tw_driver hook-observe 15 TwObserved 1 || fail "hook-observe could not run"
tw_result_has '^observed-created class="TwObserved" title="Observed TwObserved"$' ||
  fail "the announced title is not the window's"
expect_hook_run TwObserved

# A real program, which sets its title after its window exists.
tw_driver hook-observe 15 Notepad 0 notepad.exe || fail "hook-observe could not run notepad"
expect_hook_run Notepad
tw_driver processes notepad.exe && fail "notepad did not close"
true
